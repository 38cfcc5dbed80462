// Encrypted members: the traditional PKWARE cipher and WinZip's AES (AE-1 and
// AE-2), on OpenSSL's libcrypto. Passwords and keys are wiped when they go.
#pragma once

#include "ZipFormat.h"

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace amx {

// Bytes wiped from memory when they go: a password, a key. Copies are wiped too.
class Secret
{
public:
    Secret() = default;
    explicit Secret(std::string_view bytes);
    Secret(const Secret &other);
    Secret &operator=(const Secret &other);
    Secret(Secret &&other) noexcept;
    Secret &operator=(Secret &&other) noexcept;
    ~Secret();

    const char *data() const { return m_data ? m_data.get() : ""; }
    size_t size() const { return m_size; }
    std::string_view view() const { return { data(), m_size }; }
    bool operator==(const Secret &other) const;

private:
    void wipe();

    std::unique_ptr<char[]> m_data;
    size_t m_size = 0;
};

// What a new member is encrypted with. The traditional cipher is weak and is
// written only when asked for by name.
enum class Encryption { None, Aes256, ZipCrypto };

enum class Cipher { ZipCrypto, Aes };

// How an encrypted member's data is laid out: a header (the traditional
// cipher's 12 bytes, or AES's salt and password verifier), the compressed data,
// and a trailer (AES's 10-byte authentication code).
struct MemberCipher
{
    Cipher cipher = Cipher::ZipCrypto;
    uint8_t aesStrength = 0; // 1, 2, 3: 128, 192, 256 bits
    uint16_t method = 0; // the compression under the encryption
    bool checkCrc = true; // AE-2 leaves the CRC out
    uint64_t header = 12;
    uint64_t trailer = 0;
};

// Reads how member `e` is encrypted. Throws ZipFailure naming `display` when
// its record is damaged or names an encryption that is not read here.
MemberCipher describeEncryption(const Entry &e, const std::string &display);

// The compression method of a member, encrypted or not.
uint16_t compressionMethod(const Entry &e);

// Decrypts one member's compressed data. AES decrypts any part on any thread;
// the traditional cipher only in order from the start (`at` 0 starts again).
class MemberDecryptor
{
public:
    virtual ~MemberDecryptor() = default;
    virtual bool anyOrder() const = 0;
    // `at` counts from the first byte after the header.
    virtual void decrypt(char *p, size_t n, uint64_t at) = 0;
    // AES only: whether the trailer's code fits the n encrypted bytes at
    // `offset` of fd. Reads them; false too when they cannot be read or
    // `stop` is set meanwhile.
    virtual bool authentic(int fd, uint64_t offset, uint64_t n, const unsigned char *code,
        const std::atomic<bool> *stop) const;
};

// Checks the password against the member's header (`header` bytes of it).
// Null when it does not fit. The traditional cipher's check byte is the
// CRC's high byte, or the time's when the member has a data descriptor.
std::unique_ptr<MemberDecryptor> openDecryptor(
    const MemberCipher &c, const Secret &password, const unsigned char *header, const Entry &e);

// Encrypts one new member's compressed data, in order.
class MemberEncryptor
{
public:
    // `check` is the traditional cipher's check byte (see openDecryptor).
    // Throws ZipFailure when no random bytes can be had.
    MemberEncryptor(Encryption kind, const Secret &password, uint8_t check);
    ~MemberEncryptor();
    MemberEncryptor(const MemberEncryptor &) = delete;
    MemberEncryptor &operator=(const MemberEncryptor &) = delete;

    // Written before the data.
    const std::string &header() const { return m_header; }
    void encrypt(char *p, size_t n);
    // Written after the data: AES's authentication code.
    std::string trailer();
    uint64_t overhead() const;

    // Marks the entry as encrypted this way: flag, method, AES record and the
    // version needed; its sizes are the caller's (they grow by the overhead).
    // AES leaves the CRC out (AE-2) of members under 20 bytes, whose CRC
    // would say too much about them, and keeps it (AE-1) in the others.
    void mark(Entry &e);
    // After mark(): whether the CRC field must stay 0.
    bool leavesCrcOut() const { return m_leaveCrcOut; }

private:
    struct State;
    Encryption m_kind;
    bool m_leaveCrcOut = false;
    std::string m_header;
    std::unique_ptr<State> m_state;
};

// PBKDF2 with HMAC-SHA-1, as WinZip's AES derives its keys (1,000 rounds).
void pbkdf2Sha1(const Secret &password, const unsigned char *salt, size_t saltSize, unsigned rounds,
    unsigned char *out, size_t outSize);

// Fills buf with random bytes from the kernel. Throws ZipFailure.
void randomBytes(void *buf, size_t n);

} // namespace amx

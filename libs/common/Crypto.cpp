// SHA-1's block function, for a PBKDF2 that does not set up HMAC again for
// each of its thousands of rounds.
#define OPENSSL_SUPPRESS_DEPRECATED
#include "Crypto.h"

#include "FileUtil.h"
#include "ZipError.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <openssl/core_names.h>
#include <openssl/crypto.h>
#include <openssl/evp.h>
#include <openssl/params.h>
#include <openssl/sha.h>
#include <sys/random.h>
#include <vector>

namespace amx {

// --- Secret ---------------------------------------------------------------

Secret::Secret(std::string_view bytes)
    : m_data(bytes.empty() ? nullptr : new char[bytes.size()])
    , m_size(bytes.size())
{
    if (m_size)
        std::memcpy(m_data.get(), bytes.data(), m_size);
}

Secret::Secret(const Secret &other)
    : Secret(other.view())
{
}

Secret &Secret::operator=(const Secret &other)
{
    if (this != &other) {
        Secret copy(other);
        *this = std::move(copy);
    }
    return *this;
}

Secret::Secret(Secret &&other) noexcept
    : m_data(std::move(other.m_data))
    , m_size(other.m_size)
{
    other.m_size = 0;
}

Secret &Secret::operator=(Secret &&other) noexcept
{
    if (this != &other) {
        wipe();
        m_data = std::move(other.m_data);
        m_size = other.m_size;
        other.m_size = 0;
    }
    return *this;
}

Secret::~Secret()
{
    wipe();
}

bool Secret::operator==(const Secret &other) const
{
    return m_size == other.m_size && CRYPTO_memcmp(data(), other.data(), m_size) == 0;
}

void Secret::wipe()
{
    if (m_data)
        OPENSSL_cleanse(m_data.get(), m_size);
    m_data.reset();
    m_size = 0;
}

namespace {

// Wipes a key or derived bytes on the stack when they go out of scope.
template <size_t N> struct WipedBytes
{
    unsigned char b[N] {};
    ~WipedBytes() { OPENSSL_cleanse(b, N); }
};

constexpr unsigned aesRounds = 1000;
constexpr size_t aesCodeSize = 10;
constexpr size_t verifierSize = 2;
constexpr size_t zipCryptoHeader = 12;

size_t aesKeySize(uint8_t strength)
{
    return size_t(8 + 8 * strength); // 16, 24, 32
}

size_t aesSaltSize(uint8_t strength)
{
    return size_t(4 + 4 * strength); // 8, 12, 16
}

const EVP_CIPHER *aesEcb(size_t keySize)
{
    switch (keySize) {
    case 16:
        return EVP_aes_128_ecb();
    case 24:
        return EVP_aes_192_ecb();
    default:
        return EVP_aes_256_ecb();
    }
}

// --- the traditional cipher -----------------------------------------------

struct CrcTable
{
    uint32_t t[256];
    CrcTable()
    {
        for (uint32_t i = 0; i < 256; ++i) {
            uint32_t c = i;
            for (int k = 0; k < 8; ++k)
                c = c & 1 ? 0xedb88320u ^ (c >> 1) : c >> 1;
            t[i] = c;
        }
    }
};
const CrcTable crcTable;

struct ZipCryptoKeys
{
    uint32_t k[3] = { 0x12345678u, 0x23456789u, 0x34567890u };

    explicit ZipCryptoKeys(const Secret &password)
    {
        for (char c : password.view())
            update(uint8_t(c));
    }
    ~ZipCryptoKeys() { OPENSSL_cleanse(k, sizeof k); }

    static uint32_t crc(uint32_t v, uint8_t c) { return crcTable.t[(v ^ c) & 0xff] ^ (v >> 8); }
    void update(uint8_t plain)
    {
        k[0] = crc(k[0], plain);
        k[1] = (k[1] + (k[0] & 0xff)) * 134775813u + 1;
        k[2] = crc(k[2], uint8_t(k[1] >> 24));
    }
    uint8_t stream() const
    {
        // Unsigned: a 16-bit value would be promoted to int, where the
        // product overflows.
        uint32_t t = (k[2] | 2) & 0xffff;
        return uint8_t((t * (t ^ 1)) >> 8);
    }
    uint8_t decrypt(uint8_t c)
    {
        uint8_t p = c ^ stream();
        update(p);
        return p;
    }
    uint8_t encrypt(uint8_t p)
    {
        uint8_t c = p ^ stream();
        update(p);
        return c;
    }
};

class ZipCryptoDecryptor : public MemberDecryptor
{
public:
    ZipCryptoDecryptor(const ZipCryptoKeys &afterHeader)
        : m_start(afterHeader)
        , m_keys(afterHeader)
    {
    }
    bool anyOrder() const override { return false; }
    void decrypt(char *p, size_t n, uint64_t at) override
    {
        if (at == 0)
            m_keys = m_start;
        for (size_t i = 0; i < n; ++i)
            p[i] = char(m_keys.decrypt(uint8_t(p[i])));
    }

private:
    ZipCryptoKeys m_start;
    ZipCryptoKeys m_keys;
};

// --- AES ------------------------------------------------------------------

struct CipherCtx
{
    EVP_CIPHER_CTX *ctx = EVP_CIPHER_CTX_new();
    ~CipherCtx() { EVP_CIPHER_CTX_free(ctx); }
};

// XORs WinZip's key stream into p: AES of a little-endian block counter that
// starts at 1 for the first 16 bytes of the data.
void aesCtr(EVP_CIPHER_CTX *ctx, char *p, size_t n, uint64_t at)
{
    // 256 counter blocks enciphered at once.
    unsigned char counters[16 * 256];
    unsigned char stream[16 * 256 + 16];
    uint64_t block = at / 16;
    size_t skip = size_t(at % 16);
    while (n > 0) {
        size_t need = std::min<size_t>((skip + n + 15) / 16, 256);
        std::memset(counters, 0, 16 * need);
        for (size_t i = 0; i < need; ++i) {
            uint64_t c = block + i + 1;
            for (int b = 0; b < 8; ++b)
                counters[16 * i + b] = uint8_t(c >> (8 * b));
        }
        int got = 0;
        EVP_EncryptUpdate(ctx, stream, &got, counters, int(16 * need));
        size_t use = std::min(n, 16 * need - skip);
        for (size_t i = 0; i < use; ++i)
            p[i] ^= char(stream[skip + i]);
        p += use;
        n -= use;
        block += need;
        skip = 0;
    }
    OPENSSL_cleanse(stream, sizeof stream);
}

class Hmac
{
public:
    explicit Hmac(const unsigned char *key, size_t n)
    {
        EVP_MAC *mac = EVP_MAC_fetch(nullptr, "HMAC", nullptr);
        m_ctx = mac ? EVP_MAC_CTX_new(mac) : nullptr;
        EVP_MAC_free(mac);
        char digest[] = "SHA1";
        OSSL_PARAM params[] = { OSSL_PARAM_construct_utf8_string(OSSL_MAC_PARAM_DIGEST, digest, 0),
            OSSL_PARAM_construct_end() };
        if (!m_ctx || !EVP_MAC_init(m_ctx, key, n, params))
            throw ZipFailure(ZipError::Internal, "HMAC-SHA-1 not available");
    }
    ~Hmac() { EVP_MAC_CTX_free(m_ctx); }
    Hmac(const Hmac &) = delete;
    Hmac &operator=(const Hmac &) = delete;

    void update(const void *p, size_t n)
    {
        EVP_MAC_update(m_ctx, static_cast<const unsigned char *>(p), n);
    }
    // The first 10 bytes of the code, as WinZip stores it.
    std::string code()
    {
        unsigned char out[EVP_MAX_MD_SIZE];
        size_t n = 0;
        EVP_MAC_final(m_ctx, out, &n, sizeof out);
        return std::string(reinterpret_cast<char *>(out), std::min(n, aesCodeSize));
    }

private:
    EVP_MAC_CTX *m_ctx = nullptr;
};

struct AesKeys
{
    WipedBytes<66> bytes; // encryption key, authentication key, verifier
    size_t keySize = 0;

    AesKeys(const Secret &password, uint8_t strength, const unsigned char *salt)
        : keySize(aesKeySize(strength))
    {
        pbkdf2Sha1(
            password, salt, aesSaltSize(strength), aesRounds, bytes.b, 2 * keySize + verifierSize);
    }
    const unsigned char *cipherKey() const { return bytes.b; }
    const unsigned char *macKey() const { return bytes.b + keySize; }
    const unsigned char *verifier() const { return bytes.b + 2 * keySize; }
};

class AesDecryptor : public MemberDecryptor
{
public:
    explicit AesDecryptor(const AesKeys &keys)
        : m_keySize(keys.keySize)
    {
        std::memcpy(m_keys.b, keys.bytes.b, 2 * keys.keySize);
    }
    bool anyOrder() const override { return true; }
    // Safe on any thread: each call has its own cipher context.
    void decrypt(char *p, size_t n, uint64_t at) override
    {
        CipherCtx c;
        if (!c.ctx || !EVP_EncryptInit_ex(c.ctx, aesEcb(m_keySize), nullptr, m_keys.b, nullptr))
            throw ZipFailure(ZipError::Internal, "AES not available");
        EVP_CIPHER_CTX_set_padding(c.ctx, 0);
        aesCtr(c.ctx, p, n, at);
    }
    bool authentic(int fd, uint64_t offset, uint64_t n, const unsigned char *code,
        const std::atomic<bool> *stop) const override
    {
        Hmac mac(m_keys.b + m_keySize, m_keySize);
        std::vector<char> buf(size_t(std::min<uint64_t>(n, 1u << 20)));
        for (uint64_t at = 0; at < n;) {
            size_t part = size_t(std::min<uint64_t>(buf.size(), n - at));
            if (!preadFull(fd, buf.data(), part, offset + at) || (stop && *stop))
                return false;
            mac.update(buf.data(), part);
            at += part;
        }
        std::string got = mac.code();
        return CRYPTO_memcmp(got.data(), code, aesCodeSize) == 0;
    }

private:
    WipedBytes<64> m_keys;
    size_t m_keySize;
};

} // namespace

bool MemberDecryptor::authentic(
    int, uint64_t, uint64_t, const unsigned char *, const std::atomic<bool> *) const
{
    return true;
}

MemberCipher describeEncryption(const Entry &e, const std::string &display)
{
    MemberCipher c;
    if (e.flags & flagStrongEncryption)
        throw ZipFailure(
            ZipError::Unsupported, display + " (PKWARE's strong encryption not supported)");
    if (e.method != methodAes) {
        c.cipher = Cipher::ZipCrypto;
        c.method = e.method;
        c.header = zipCryptoHeader;
        c.trailer = 0;
        return c;
    }
    AesRecord aes;
    if (!readExtraAes(e.extra(), aes))
        throw ZipFailure(ZipError::Corrupt, display + " (AES encrypted without its AES record)");
    if (aes.strength < 1 || aes.strength > 3)
        throw ZipFailure(ZipError::Corrupt,
            display + " (AES key strength " + std::to_string(aes.strength) + " unknown)");
    if (aes.version != 1 && aes.version != 2)
        throw ZipFailure(ZipError::Corrupt,
            display + " (AES version " + std::to_string(aes.version) + " unknown)");
    c.cipher = Cipher::Aes;
    c.aesStrength = aes.strength;
    c.method = aes.method;
    c.checkCrc = aes.version == 1;
    c.header = aesSaltSize(aes.strength) + verifierSize;
    c.trailer = aesCodeSize;
    if (e.csize < c.header + c.trailer)
        throw ZipFailure(ZipError::Corrupt, display + " (too short for its encryption)");
    return c;
}

uint16_t compressionMethod(const Entry &e)
{
    AesRecord aes;
    if (e.method == methodAes && (e.flags & flagEncrypted) && readExtraAes(e.extra(), aes))
        return aes.method;
    return e.method;
}

std::unique_ptr<MemberDecryptor> openDecryptor(
    const MemberCipher &c, const Secret &password, const unsigned char *header, const Entry &e)
{
    if (c.cipher == Cipher::Aes) {
        AesKeys keys(password, c.aesStrength, header);
        const unsigned char *verifier = header + aesSaltSize(c.aesStrength);
        if (CRYPTO_memcmp(keys.verifier(), verifier, verifierSize) != 0)
            return nullptr;
        return std::make_unique<AesDecryptor>(keys);
    }
    ZipCryptoKeys keys(password);
    uint8_t last = 0;
    for (size_t i = 0; i < zipCryptoHeader; ++i)
        last = keys.decrypt(header[i]);
    uint8_t check = e.flags & flagDescriptor ? uint8_t(e.dosTime >> 8) : uint8_t(e.crc >> 24);
    if (last != check)
        return nullptr;
    return std::make_unique<ZipCryptoDecryptor>(keys);
}

// --- writing --------------------------------------------------------------

struct MemberEncryptor::State
{
    std::unique_ptr<ZipCryptoKeys> zipCrypto;
    CipherCtx cipher;
    std::unique_ptr<Hmac> mac;
    uint64_t at = 0;
};

MemberEncryptor::MemberEncryptor(Encryption kind, const Secret &password, uint8_t check)
    : m_kind(kind)
    , m_state(std::make_unique<State>())
{
    if (kind == Encryption::ZipCrypto) {
        m_state->zipCrypto = std::make_unique<ZipCryptoKeys>(password);
        unsigned char head[zipCryptoHeader];
        randomBytes(head, zipCryptoHeader - 1);
        head[zipCryptoHeader - 1] = check;
        for (unsigned char b : head)
            m_header += char(m_state->zipCrypto->encrypt(b));
        return;
    }
    constexpr uint8_t strength = 3;
    unsigned char salt[16];
    randomBytes(salt, aesSaltSize(strength));
    AesKeys keys(password, strength, salt);
    if (!m_state->cipher.ctx
        || !EVP_EncryptInit_ex(
            m_state->cipher.ctx, aesEcb(keys.keySize), nullptr, keys.cipherKey(), nullptr))
        throw ZipFailure(ZipError::Internal, "AES not available");
    EVP_CIPHER_CTX_set_padding(m_state->cipher.ctx, 0);
    m_state->mac = std::make_unique<Hmac>(keys.macKey(), keys.keySize);
    m_header.assign(reinterpret_cast<char *>(salt), aesSaltSize(strength));
    m_header.append(reinterpret_cast<const char *>(keys.verifier()), verifierSize);
}

MemberEncryptor::~MemberEncryptor() = default;

void MemberEncryptor::encrypt(char *p, size_t n)
{
    if (m_kind == Encryption::ZipCrypto) {
        for (size_t i = 0; i < n; ++i)
            p[i] = char(m_state->zipCrypto->encrypt(uint8_t(p[i])));
        return;
    }
    aesCtr(m_state->cipher.ctx, p, n, m_state->at);
    m_state->at += n;
    m_state->mac->update(p, n);
}

std::string MemberEncryptor::trailer()
{
    return m_kind == Encryption::ZipCrypto ? std::string() : m_state->mac->code();
}

uint64_t MemberEncryptor::overhead() const
{
    return m_header.size() + (m_kind == Encryption::ZipCrypto ? 0 : aesCodeSize);
}

void MemberEncryptor::mark(Entry &e)
{
    e.flags |= flagEncrypted;
    if (m_kind == Encryption::ZipCrypto) {
        e.versionNeeded = std::max<uint16_t>(e.versionNeeded, 20);
        return;
    }
    m_leaveCrcOut = e.usize < 20;
    AesRecord aes;
    aes.version = m_leaveCrcOut ? 2 : 1;
    aes.strength = 3;
    aes.method = e.method;
    e.method = methodAes;
    e.setExtra(removeExtra(e.extra(), extraAes) + makeExtraAes(aes));
    e.versionNeeded = std::max<uint16_t>(e.versionNeeded, 51);
    if (m_leaveCrcOut)
        e.crc = 0;
}

namespace {

// HMAC-SHA-1 with the key's two padded blocks hashed once: a round then
// costs two runs of SHA-1's block function.
class FastHmacSha1
{
public:
    explicit FastHmacSha1(std::string_view key)
    {
        WipedBytes<64> k;
        if (key.size() > 64)
            SHA1(reinterpret_cast<const unsigned char *>(key.data()), key.size(), k.b);
        else
            std::memcpy(k.b, key.data(), key.size());
        WipedBytes<64> block;
        for (int i = 0; i < 64; ++i)
            block.b[i] = k.b[i] ^ 0x36;
        SHA1_Init(&m_inner);
        SHA1_Update(&m_inner, block.b, 64);
        for (int i = 0; i < 64; ++i)
            block.b[i] = k.b[i] ^ 0x5c;
        SHA1_Init(&m_outer);
        SHA1_Update(&m_outer, block.b, 64);
    }
    ~FastHmacSha1()
    {
        OPENSSL_cleanse(&m_inner, sizeof m_inner);
        OPENSSL_cleanse(&m_outer, sizeof m_outer);
    }

    // HMAC of a message in two parts: the first round.
    void mac(const unsigned char *a, size_t an, const unsigned char *b, size_t bn,
        unsigned char out[20]) const
    {
        SHA_CTX c = m_inner;
        SHA1_Update(&c, a, an);
        SHA1_Update(&c, b, bn);
        SHA1_Final(out, &c);
        c = m_outer;
        SHA1_Update(&c, out, 20);
        SHA1_Final(out, &c);
        OPENSSL_cleanse(&c, sizeof c);
    }

    // HMAC of the 20-byte u, in place: the later rounds. `block` was
    // prepared by padBlock(); `c` is scratch space, the caller's to wipe.
    void round(unsigned char u[20], unsigned char block[64], SHA_CTX &c) const
    {
        std::memcpy(block, u, 20);
        c = m_inner;
        SHA1_Transform(&c, block);
        digest(c, block);
        c = m_outer;
        SHA1_Transform(&c, block);
        digest(c, u);
    }

    // A block of 20 message bytes that follow the key's block, padded.
    static void padBlock(unsigned char block[64])
    {
        std::memset(block, 0, 64);
        block[20] = 0x80;
        block[62] = ((64 + 20) * 8) >> 8;
        block[63] = ((64 + 20) * 8) & 0xff;
    }

private:
    static void digest(const SHA_CTX &c, unsigned char *out)
    {
        const SHA_LONG h[5] = { c.h0, c.h1, c.h2, c.h3, c.h4 };
        for (int i = 0; i < 5; ++i)
            for (int b = 0; b < 4; ++b)
                out[4 * i + b] = uint8_t(h[i] >> (24 - 8 * b));
    }

    SHA_CTX m_inner;
    SHA_CTX m_outer;
};

} // namespace

void pbkdf2Sha1(const Secret &password, const unsigned char *salt, size_t saltSize, unsigned rounds,
    unsigned char *out, size_t outSize)
{
    const FastHmacSha1 hmac(password.view());
    WipedBytes<64> block;
    WipedBytes<20> u, t;
    SHA_CTX scratch;
    for (uint32_t index = 1; outSize > 0; ++index) {
        const unsigned char count[4] = { uint8_t(index >> 24), uint8_t(index >> 16),
            uint8_t(index >> 8), uint8_t(index) };
        hmac.mac(salt, saltSize, count, 4, u.b);
        std::memcpy(t.b, u.b, 20);
        FastHmacSha1::padBlock(block.b);
        for (unsigned r = 1; r < rounds; ++r) {
            hmac.round(u.b, block.b, scratch);
            for (int i = 0; i < 20; ++i)
                t.b[i] ^= u.b[i];
        }
        size_t n = std::min<size_t>(outSize, 20);
        std::memcpy(out, t.b, n);
        out += n;
        outSize -= n;
    }
    OPENSSL_cleanse(&scratch, sizeof scratch);
}

void randomBytes(void *buf, size_t n)
{
    auto p = static_cast<char *>(buf);
    while (n > 0) {
        ssize_t got = ::getrandom(p, n, 0);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            throw ZipFailure(ZipError::Internal, "no random bytes (" + errnoText(errno) + ")");
        }
        p += got;
        n -= size_t(got);
    }
}

} // namespace amx

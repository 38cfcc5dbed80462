#include "Peers.h"
#include "TestDir.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <memory>
#include <sstream>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>
#include <utility>

namespace amxtest {

Started::Started(const std::vector<std::string> &argv, const std::string &cwd, int errFd)
{
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0)
        throw std::runtime_error("pipe failed");
    m_pid = fork();
    if (m_pid < 0)
        throw std::runtime_error("fork failed");
    if (m_pid == 0) {
        dup2(fds[1], 1);
        dup2(errFd >= 0 ? errFd : fds[1], 2);
        int devnull = open("/dev/null", O_RDONLY);
        if (devnull >= 0)
            dup2(devnull, 0);
        if (!cwd.empty() && chdir(cwd.c_str()) != 0)
            _exit(126);
        std::vector<char *> args;
        for (const auto &a : argv)
            args.push_back(const_cast<char *>(a.c_str()));
        args.push_back(nullptr);
        execvp(args[0], args.data());
        _exit(127);
    }
    close(fds[1]);
    m_out = fds[0];
}

Started::~Started()
{
    if (m_out >= 0)
        finish();
}

bool Started::readSome()
{
    char buf[65536];
    ssize_t n = read(m_out, buf, sizeof buf);
    if (n > 0)
        m_text.append(buf, static_cast<size_t>(n));
    return n > 0 || (n < 0 && errno == EINTR);
}

bool Started::waitFor(const std::string &text)
{
    while (m_text.find(text) == std::string::npos)
        if (!readSome())
            return false;
    return true;
}

void Started::kill()
{
    ::kill(m_pid, SIGKILL);
}

RunResult Started::finish()
{
    while (readSome()) { }
    close(std::exchange(m_out, -1));
    int status = 0;
    while (waitpid(m_pid, &status, 0) < 0 && errno == EINTR) { }
    return { WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status), m_text };
}

RunResult run(const std::vector<std::string> &argv, const std::string &cwd)
{
    return Started(argv, cwd).finish();
}

ApartResult runApart(const std::vector<std::string> &argv, const std::string &cwd)
{
    std::unique_ptr<FILE, int (*)(FILE *)> errFile(std::tmpfile(), &std::fclose);
    if (!errFile)
        throw std::runtime_error("tmpfile failed");
    RunResult r = Started(argv, cwd, fileno(errFile.get())).finish();
    ApartResult result { r.exitCode, std::move(r.out), {} };
    std::rewind(errFile.get());
    char buf[65536];
    for (size_t n; (n = std::fread(buf, 1, sizeof buf, errFile.get())) > 0;)
        result.err.append(buf, n);
    return result;
}

std::string runOk(const std::vector<std::string> &argv, const std::string &cwd)
{
    RunResult r = run(argv, cwd);
    if (r.exitCode != 0) {
        std::string cmd;
        for (const auto &a : argv)
            cmd += a + " ";
        throw std::runtime_error(
            "peer failed (" + std::to_string(r.exitCode) + "): " + cmd + "\n" + r.out);
    }
    return r.out;
}

std::string jarProgram()
{
    static const std::string program =
        run({ "jar", "--version" }).exitCode == 0 ? "jar" : "fastjar";
    return program;
}

RunResult python(
    const std::string &script, const std::vector<std::string> &args, const std::string &cwd)
{
    std::vector<std::string> argv = { "python3", "-c", script };
    argv.insert(argv.end(), args.begin(), args.end());
    return run(argv, cwd);
}

std::string zipFiles(const std::filesystem::path &archive,
    const std::vector<std::pair<std::string, std::string>> &files)
{
    const std::filesystem::path folder = archive.string() + ".src";
    for (const auto &[name, content] : files) {
        std::filesystem::create_directories((folder / name).parent_path());
        writeFile(folder / name, content);
    }
    runOk({ "zip", "-q", "-r", "-D", archive.string(), "." }, folder.string());
    return archive.string();
}

RunResult ambermox(const std::vector<std::string> &args, const std::string &cwd)
{
    std::vector<std::string> argv { kProgram };
    argv.insert(argv.end(), args.begin(), args.end());
    return run(argv, cwd);
}

std::string editSample(const std::filesystem::path &archive, int parts)
{
    std::vector<std::pair<std::string, std::string>> files { { "readme.txt", "read me" },
        { "docs/one.txt", "one" }, { "docs/two.txt", "two" }, { "other/three.txt", "three" } };
    for (int i = 0; i < parts; ++i)
        files.push_back({ "docs/part" + std::to_string(i) + ".txt", sampleBytes(3000 + i, i) });
    return zipFiles(archive, files);
}

std::vector<std::string> sortedNames(const std::string &archive)
{
    std::vector<std::string> out;
    if (!std::filesystem::exists(archive))
        return out;
    for (const PeerMember &m : pythonListing(archive))
        out.push_back(m.name);
    std::sort(out.begin(), out.end());
    return out;
}

std::vector<PeerMember> pythonListing(const std::string &archive)
{
    // Names are printed as the bytes stored (decoded as zipfile does, re-encoded
    // as UTF-8) so they can be compared with what we display.
    const char *script = R"(
import sys, zipfile
with zipfile.ZipFile(sys.argv[1]) as z:
    for i in z.infolist():
        sys.stdout.buffer.write(i.filename.encode('utf-8') + b'\t' +
            str(i.file_size).encode() + b'\t' + str(i.compress_size).encode() + b'\n')
)";
    RunResult r = python(script, { archive });
    if (r.exitCode != 0)
        throw std::runtime_error("python zipfile failed on " + archive + ":\n" + r.out);
    std::vector<PeerMember> out;
    std::istringstream in(r.out);
    for (PeerMember m; std::getline(in, m.name, '\t') >> m.size >> m.packed; in.ignore())
        out.push_back(m);
    return out;
}

} // namespace amxtest

#include "Peers.h"
#include "TestDir.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <memory>
#include <spawn.h>
#include <sstream>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace amxtest {

namespace {

// Standard error goes into errFile when one is given, else with the output.
RunResult runInto(const std::vector<std::string> &argv, const std::string &cwd, FILE *errFile)
{
    int fds[2];
    if (pipe(fds) != 0)
        throw std::runtime_error("pipe failed");
    pid_t pid = fork();
    if (pid < 0)
        throw std::runtime_error("fork failed");
    if (pid == 0) {
        dup2(fds[1], 1);
        dup2(errFile ? fileno(errFile) : fds[1], 2);
        close(fds[0]);
        close(fds[1]);
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
    RunResult result;
    char buf[65536];
    ssize_t n;
    while ((n = read(fds[0], buf, sizeof buf)) > 0 || (n < 0 && errno == EINTR))
        if (n > 0)
            result.out.append(buf, static_cast<size_t>(n));
    close(fds[0]);
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) { }
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return result;
}

} // namespace

RunResult run(const std::vector<std::string> &argv, const std::string &cwd)
{
    return runInto(argv, cwd, nullptr);
}

ApartResult runApart(const std::vector<std::string> &argv, const std::string &cwd)
{
    std::unique_ptr<FILE, int (*)(FILE *)> errFile(std::tmpfile(), &std::fclose);
    if (!errFile)
        throw std::runtime_error("tmpfile failed");
    RunResult r = runInto(argv, cwd, errFile.get());
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

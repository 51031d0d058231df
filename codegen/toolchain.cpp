#include "toolchain.h"

#include "text_file.h"

#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace vexa {

namespace {

std::string Quoted(const std::filesystem::path& path) {
    std::string text = "\"";
    for (char c : path.string()) {
        if (c == '"' || c == '\\' || c == '$' || c == '`') {
            text += '\\';
        }
        text += c;
    }
    return text + "\"";
}

// A child process of our own; reaped once it has ended.
class ChildScript : public RunningScript {
public:
    explicit ChildScript(pid_t pid) : pid_(pid) {}
    ~ChildScript() override {
        if (pid_ > 0) {
            ::waitpid(pid_, nullptr, WNOHANG);
        }
    }
    bool Running() override {
        if (pid_ <= 0) {
            return false;
        }
        if (::waitpid(pid_, nullptr, WNOHANG) == 0) {
            return true;
        }
        pid_ = 0;
        return false;
    }

private:
    pid_t pid_;
};

const char* kProcessing = "Processing.";
const char* kNoImage = "ERROR: IHX and HEX file not create.";
const char* kGiveUp =
    "ERROR: Do not create out file. May be SDCC compiler not instailed. Please install SDCC again!";

} // namespace

BuildFiles::BuildFiles(const std::filesystem::path& project)
    : folder(project.parent_path()), base(project.stem().string()) {}

std::filesystem::path BuildFiles::File(const std::string& extension) const {
    return folder / (base + extension);
}

std::string CompileCommand(const BuildFiles& files) {
    return "sdcc --model-large --xram-size 2000 --code-size 32000 --use-stdout>" +
           Quoted(files.Messages()) + " -o " + Quoted(files.folder.string() + "/") + " " +
           Quoted(files.File(".c"));
}

std::string HexCommand(const BuildFiles& files) {
    return "packihx " + Quoted(files.File(".ihx")) + ">" + Quoted(files.File(".hex"));
}

// Everything the child needs is prepared before the fork: after it, only calls that are safe
// in a child of a threaded program (no allocation) run.
ScriptStarter ShellStarter(const std::filesystem::path& includeFolder) {
    return [includeFolder](const std::filesystem::path& script) -> std::unique_ptr<RunningScript> {
        std::vector<std::string> environment;
        for (char** entry = environ; *entry != nullptr; ++entry) {
            if (std::strncmp(*entry, "SDCC_INCLUDE=", 13) != 0) {
                environment.emplace_back(*entry);
            }
        }
        environment.push_back("SDCC_INCLUDE=" + includeFolder.string());
        std::vector<char*> envp;
        for (std::string& entry : environment) {
            envp.push_back(entry.data());
        }
        envp.push_back(nullptr);
        std::string shell = "/bin/sh";
        std::string name = "sh";
        std::string path = script.string();
        char* argv[] = {name.data(), path.data(), nullptr};

        const pid_t pid = ::fork();
        if (pid < 0) {
            return nullptr;
        }
        if (pid == 0) {
            ::setsid();
            const int null = ::open("/dev/null", O_RDWR);
            if (null >= 0) {
                ::dup2(null, STDIN_FILENO);
                ::dup2(null, STDERR_FILENO);
            }
            ::execve(shell.c_str(), argv, envp.data());
            ::_exit(127);
        }
        return std::make_unique<ChildScript>(pid);
    };
}

CompileWatcher::CompileWatcher(ScriptStarter starter) : starter_(std::move(starter)) {}

bool CompileWatcher::Start(const BuildFiles& files) {
    files_ = std::make_unique<BuildFiles>(files);
    hex_.reset();
    std::error_code ignored;
    for (const auto& old :
         {files.Messages(), files.File(".ihx"), files.File(".hex"), files.File(".mem")}) {
        std::filesystem::remove(old, ignored);
    }
    try {
        WriteFileAtomic(files.CompileScript(), CompileCommand(files) + "\n");
    } catch (const FileError&) {
        return false;
    }
    compile_ = starter_(files.CompileScript());
    memo_ = {kProcessing};
    ticks_ = 0;
    active_ = true;
    return true;
}

// The messages can be read once the compiler has finished writing them: while the compile
// script runs, the file is still being written.
bool CompileWatcher::ReadMessages() {
    if (compile_ != nullptr && compile_->Running()) {
        return false;
    }
    try {
        memo_ = SplitLines(ReadFileBytes(files_->Messages()));
    } catch (const FileError&) {
        return false;
    }
    return true;
}

bool CompileWatcher::Succeed() {
    std::vector<std::string> memo;
    try {
        memo = SplitLines(ReadFileBytes(files_->File(".mem")));
        WriteFileAtomic(files_->HexScript(), HexCommand(*files_) + "\n");
    } catch (const FileError&) {
        return false;
    }
    memo.push_back("--File was compiled succesfully!   " + files_->File(".c").string());
    memo.push_back("--Create file " + files_->File(".ihx").string());
    hex_ = starter_(files_->HexScript());
    memo.push_back("--Create file " + files_->File(".hex").string());
    memo_ = std::move(memo);
    return true;
}

void CompileWatcher::Tick() {
    if (!active_) {
        return;
    }
    if (!memo_.empty()) {
        memo_.front() += ".";
    }
    ++ticks_;
    bool decided = false;
    if (ReadMessages()) {
        if (std::filesystem::exists(files_->File(".ihx"))) {
            decided = Succeed();
        } else {
            memo_.push_back(kNoImage);
            decided = true;
        }
    }
    if (decided) {
        active_ = false;
    } else if (ticks_ > kGiveUpTicks) {
        memo_.push_back(kGiveUp);
        active_ = false;
    }
}

} // namespace vexa

#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace vexa {

// The files of one build, all in the project's folder: for a project /plc/pump.prg the C
// source /plc/pump.c, the image /plc/pump.ihx and so on.
struct BuildFiles {
    std::filesystem::path folder;
    std::string base;

    explicit BuildFiles(const std::filesystem::path& project);
    std::filesystem::path File(const std::string& extension) const;
    std::filesystem::path Messages() const { return folder / "error.txt"; }
    std::filesystem::path CompileScript() const { return folder / "Compile.sh"; }
    std::filesystem::path HexScript() const { return folder / "CreatHex.sh"; }
};

// The single command lines of the two scripts. Every path is quoted, so a folder with a space
// in its name works.
std::string CompileCommand(const BuildFiles& files);
std::string HexCommand(const BuildFiles& files);

// A started script: whether it still runs.
class RunningScript {
public:
    virtual ~RunningScript() = default;
    virtual bool Running() = 0;
};

// Starts a shell script without a window and without waiting; null when it cannot start.
using ScriptStarter = std::function<std::unique_ptr<RunningScript>(const std::filesystem::path&)>;

// Starts scripts with /bin/sh in a session of their own. `includeFolder` goes to the
// compiler as SDCC_INCLUDE, so the generated program finds the controller library.
ScriptStarter ShellStarter(const std::filesystem::path& includeFolder);

// The compile run and its watcher: deletes the old outputs, writes and starts the compile
// script, then on every tick (500 ms in the designer) looks for the compiler's messages; when
// the image exists it writes and starts the hex script. The output memo is kept as lines.
class CompileWatcher {
public:
    static constexpr int kGiveUpTicks = 50;

    explicit CompileWatcher(ScriptStarter starter);

    // Returns false when the compile script could not be written (nothing else happens).
    bool Start(const BuildFiles& files);
    void Tick();
    bool Active() const { return active_; }
    const std::vector<std::string>& Memo() const { return memo_; }
    // The hex script, once started; the build waits for it.
    RunningScript* HexRun() const { return hex_.get(); }

private:
    bool ReadMessages();
    bool Succeed();

    ScriptStarter starter_;
    std::unique_ptr<BuildFiles> files_;
    std::unique_ptr<RunningScript> compile_;
    std::unique_ptr<RunningScript> hex_;
    std::vector<std::string> memo_;
    int ticks_ = 0;
    bool active_ = false;
};

} // namespace vexa

#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace vexa {

// What the function property dialog asks and answers.
struct FunctionProperties {
    std::string name;
    std::string comment;
    int event = 0; // -1 when the event text matches no entry
};

// Every question the system asks a person goes through here: the GUI answers with message
// boxes and dialogs, tests and the command-line tool with a script of answers.
class Prompts {
public:
    enum class Answer { Yes, No, Cancel };

    virtual ~Prompts() = default;
    // A message box with an OK button.
    virtual void Message(const std::string& text) = 0;
    // A confirmation with Yes and No, and Cancel when asked for.
    virtual Answer Confirm(const std::string& text, bool withCancel) = 0;
    // The file dialogs; nothing when cancelled.
    virtual std::optional<std::filesystem::path> OpenFile(const std::string& defaultExtension,
                                                          const std::string& filter) = 0;
    virtual std::optional<std::filesystem::path> SaveFile(const std::string& defaultExtension,
                                                          const std::string& filter) = 0;
    // The function property dialog: the new-function form (name editable, the event left as
    // last chosen) or the edit form of `current`. Nothing when cancelled.
    virtual std::optional<FunctionProperties> EditFunction(const FunctionProperties& current,
                                                           bool newFunction) = 0;
};

} // namespace vexa

#pragma once

#include "prompts.h"

#include <deque>
#include <string>
#include <vector>

namespace vexa::test {

// Answers from a script, and a record of every message shown and question asked.
class ScriptedPrompts : public Prompts {
public:
    std::vector<std::string> messages;
    std::vector<std::string> questions;
    std::deque<Answer> answers;
    std::deque<std::filesystem::path> files;
    std::deque<FunctionProperties> functions;

    void Message(const std::string& text) override { messages.push_back(text); }
    Answer Confirm(const std::string& text, bool) override {
        questions.push_back(text);
        return Next(answers, Answer::No);
    }
    std::optional<std::filesystem::path> OpenFile(const std::string&, const std::string&) override {
        return NextOptional(files);
    }
    std::optional<std::filesystem::path> SaveFile(const std::string&, const std::string&) override {
        return NextOptional(files);
    }
    std::optional<FunctionProperties> EditFunction(const FunctionProperties&, bool) override {
        return NextOptional(functions);
    }

private:
    template <class T> static T Next(std::deque<T>& queue, T fallback) {
        if (queue.empty()) {
            return fallback;
        }
        T next = queue.front();
        queue.pop_front();
        return next;
    }
    template <class T> static std::optional<T> NextOptional(std::deque<T>& queue) {
        if (queue.empty()) {
            return std::nullopt;
        }
        T next = queue.front();
        queue.pop_front();
        return next;
    }
};

} // namespace vexa::test

#pragma once

#include <new>
#include <optional>
#include <stdexcept>
#include <string>

namespace tkm {

// "MESSAGE: REASON", as the user's language joins them.
std::string WithReason(const std::string& message, const std::string& reason);

// The grid's own failures.
class EGridError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A text that is not a date, a time or a number where one was needed.
class EConvertError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A file that cannot be opened or created. The message is the grid's own
// ("Cannot open file NAME", "Cannot Create file NAME"); the reason is the system's.
class EGridFileError : public EGridError {
public:
    EGridFileError(const std::string& message, std::string path, std::string reason)
        : EGridError(message), path_(std::move(path)), reason_(std::move(reason)) {}
    const std::string& Path() const { return path_; }
    const std::string& Reason() const { return reason_; }
    // The message with the reason, as an error box shows it.
    std::string FullMessage() const { return reason_.empty() ? what() : WithReason(what(), reason_); }

private:
    std::string path_;
    std::string reason_;
};

// What a file operation that failed was doing.
enum class TFileAction { Read, Write, Replace, Create };

// "Cannot read file NAME", "Cannot write file NAME"... in the user's language.
std::string FileActionText(TFileAction action, const std::string& fileName);

// Any other failure while reading or writing a file (full disk, read error).
class EInOutError : public std::runtime_error {
public:
    EInOutError(TFileAction action, std::string path, std::string reason)
        : std::runtime_error(WithReason(FileActionText(action, path), reason)), path_(std::move(path)),
          reason_(std::move(reason)) {}
    const std::string& Path() const { return path_; }
    const std::string& Reason() const { return reason_; }

private:
    std::string path_;
    std::string reason_;
};

// The user stopped the command: it ends without a message, nothing written.
class EAbort : public std::runtime_error {
public:
    EAbort() : std::runtime_error("stopped") {}
};

inline constexpr const char* NotEnoughMemory = "not enough memory";

// The system's words for an errno value.
std::string ErrnoText(int error);

// The messages of an EGridFileError: "Cannot open file NAME", "Cannot Create file NAME".
std::string CannotOpenFileText(const std::string& fileName);
std::string CannotCreateFileText(const std::string& fileName);

// Runs one step of a command. The failures a step may end with (the grid's,
// conversion and input/output errors, running out of memory) come back as the
// message an error box shows; anything else passes on.
template <typename TStep>
std::optional<std::string> StepFailure(TStep&& step) {
    try {
        step();
        return std::nullopt;
    } catch (const EGridFileError& e) {
        return e.FullMessage();
    } catch (const EGridError& e) {
        return e.what();
    } catch (const EConvertError& e) {
        return e.what();
    } catch (const EInOutError& e) {
        return e.what();
    } catch (const std::bad_alloc&) {
        return NotEnoughMemory;
    }
}

}  // namespace tkm

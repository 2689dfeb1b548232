#pragma once

#include <stdexcept>
#include <string>

namespace kora {

// A runtime failure carrying the program's classic error number and description
// (53 "File not found", 62 "Input past end of file", 75 "Path/File access error", ...).
// File, printer and array-bound failures are raised as KoraError; each command handler catches
// them in one place and reports them through HandleError.
class KoraError : public std::runtime_error {
public:
    KoraError(int number, const std::string& description, const std::string& where = {})
        : std::runtime_error(description), m_number(number), m_description(description),
          m_where(where) {}

    int number() const { return m_number; }
    const std::string& description() const { return m_description; }
    // Where the failure happened, for the user ("Reading stopped at line 12 of /x/pit.KOR");
    // empty when the error text says enough.
    const std::string& where() const { return m_where; }

private:
    int m_number;
    std::string m_description;
    std::string m_where;
};

// Classic error numbers used by the program.
namespace err {
inline constexpr int Overflow = 6;
inline constexpr int SubscriptOutOfRange = 9;
inline constexpr int DivisionByZero = 11;
inline constexpr int TypeMismatch = 13;
inline constexpr int BadFileName = 52;
inline constexpr int FileNotFound = 53;
inline constexpr int BadFileMode = 54;
inline constexpr int FileAlreadyOpen = 55;
inline constexpr int DeviceIOError = 57;
inline constexpr int DiskFull = 61;
inline constexpr int InputPastEndOfFile = 62;
inline constexpr int PermissionDenied = 70;
inline constexpr int DiskNotReady = 71;
inline constexpr int PathFileAccessError = 75;
inline constexpr int PathNotFound = 76;
inline constexpr int DialogCancelled = 32755;
inline constexpr int PrinterError = 482;
} // namespace err

} // namespace kora

// File access for the program: program paths in Windows spelling mapped to native paths,
// existence tests, 8-bit text read line by line, and whole-file replacement that either
// completes or leaves the old file untouched.
#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvane::platform {

// Maps a program path ("Data\Categories.ini", "C:\Games\...", "/home/ann/...") to a native path.
// Relative paths are taken from workDir. On POSIX backslashes become slashes and, where the path
// does not exist as spelled, each component is looked up without regard to letter case, the way
// Wine and Proton find the game's files. The empty path names nothing and stays empty.
std::filesystem::path NativePath(std::string_view programPath, const std::filesystem::path& workDir);

// Case-insensitive component lookup of an already native path (POSIX only; elsewhere identity).
std::filesystem::path ResolveLetterCase(const std::filesystem::path& path);

// True when path names a file that can be opened for reading; it is closed again at once.
// A folder cannot be opened for reading.
bool CanOpenForReading(const std::filesystem::path& path);

struct PathInfo {
    enum class Kind { Missing, File, Folder };
    Kind kind = Kind::Missing;
    std::uintmax_t size = 0;  // bytes, for files only

    bool Present() const { return kind != Kind::Missing; }
};

// What lies at path: nothing, a file with its size, or a folder.
PathInfo QueryPath(const std::filesystem::path& path);

// Reads 8-bit text line by line. A line ends at CR, LF or CR LF (and, when asked, at a NUL byte).
// Lines have no length limit; the terminator is not part of the line. A last line without a
// terminator is still a line; an empty file has none.
class LineReader {
public:
    enum class NulEndsLine { No, Yes };

    explicit LineReader(NulEndsLine nul = NulEndsLine::No) : nulEndsLine_(nul == NulEndsLine::Yes) {}
    ~LineReader();
    LineReader(const LineReader&) = delete;
    LineReader& operator=(const LineReader&) = delete;

    // False when the file cannot be opened for reading (missing, locked, or a folder).
    bool Open(const std::filesystem::path& path);
    // The next line into `line`; false at the end of the file.
    bool Next(std::string& line);
    void Close();

private:
    bool Fill();

    std::FILE* file_ = nullptr;
    bool nulEndsLine_;
    std::vector<char> buffer_;
    std::size_t pos_ = 0;
    std::size_t len_ = 0;
};

// Replaces the content of the file at path: the new content goes into a temporary file in the
// same folder, is flushed to disk and renamed over the target, so a crash or a full disk leaves
// either the old or the new file, never a mix. A symbolic link keeps pointing at the replaced
// file; an existing file's permissions are kept, except that MakeWritable lets the user write
// the new file (POSIX: owner write added; Windows: read-only, hidden and system removed).
// False on any failure, the old file untouched, attributes included.
// When `modified` is given, the new file carries that last-modified time; otherwise the time
// of writing.
enum class Attributes { Keep, MakeWritable };
bool ReplaceFileContent(const std::filesystem::path& path, std::string_view content,
                        Attributes attributes = Attributes::Keep,
                        std::optional<std::filesystem::file_time_type> modified = std::nullopt);

// Copies the file at source over target the way ReplaceFileContent replaces it, keeping the
// source's last-modified time as the system's file copy does. False when the source cannot be
// read or the target cannot be replaced; the target is then as it was.
bool CopyFileOver(const std::filesystem::path& source, const std::filesystem::path& target,
                  Attributes attributes = Attributes::Keep);

struct LocalDate {
    int day = 0;
    int month = 0;  // 1 to 12
    int year = 0;
    bool operator==(const LocalDate&) const = default;
};

// The day the file was last modified, in the local time zone; none when it cannot be read.
std::optional<LocalDate> ModifiedLocalDate(const std::filesystem::path& path);

}  // namespace quorvane::platform

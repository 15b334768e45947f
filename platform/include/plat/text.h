// Text helpers. Internal text is bytes in the active encoding (CP932 in the
// DLL; UTF-8 or CP932 on the command line). User text is never re-encoded;
// only fixed texts of the program go through J().
#pragma once
#include <string>
#include <string_view>

namespace plat {

enum class Encoding { Utf8, Cp932 };

// The encoding of fixed texts and of the byte-level searches in paths.
Encoding TextEncoding();
void SetTextEncoding(Encoding e);  // command line only; the DLL is always CP932

// Fixed program text. Source literals are UTF-8; the Windows build compiles
// them to CP932 (-fexec-charset), the Linux build converts at run time when
// CP932 was asked for. The returned pointer lives as long as the program.
const char* J(const char* fixedText);

// Converts a whole UTF-8 text to CP932 (unmappable characters become '?').
std::string Utf8ToCp932(std::string_view s);
std::string Cp932ToUtf8(std::string_view s);

inline bool IsCp932Lead(unsigned char c) {
  return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

// Position of the last '\\' of s, stepping over double-byte characters in
// CP932 (a trail byte may be 0x5C); npos when there is none.
size_t FindLastBackslash(std::string_view s, Encoding e = TextEncoding());

// How a browsed file's path is cut to its directory: before the last '\\'
// (Windows paths; the DLL, and the default) or before the last '/' (the Linux
// command line, where a file name may hold a backslash).
enum class PathStyle { Windows, Posix };
PathStyle BrowsePathStyle();
void SetBrowsePathStyle(PathStyle style);  // command line only; the DLL is always Windows

// The directory part of path in the current style: false when path has no
// separator. A POSIX file in the root gives "/".
bool DirectoryOf(std::string_view path, std::string* dir);

}  // namespace plat

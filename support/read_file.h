#pragma once
// Reads a whole file as bytes, telling a missing file apart from one that cannot be read.
#include <filesystem>
#include <string>

enum class ReadStatus { Ok, Missing, Unreadable };

struct FileText {
    ReadStatus status = ReadStatus::Missing;
    std::string text;   // the bytes as stored when status is Ok
    std::string error;  // why, when status is Unreadable
};

// Never throws for file-system trouble; a folder or device in place of the file is Unreadable.
FileText ReadFileText(const std::filesystem::path& file);

#pragma once
// Copying a folder tree so that the copy appears whole or not at all.

#include <filesystem>

// Copies the tree of source to target, which must not exist yet. The tree is built in
// a fresh temporary sibling of target and renamed to target only once every entry was
// copied; on any failure only that temporary folder is removed, so nothing that
// existed before is ever deleted. Links are followed; an entry that is neither a
// folder nor a regular file (a pipe, a broken link) makes the copy fail.
bool CopyFolderWhole(const std::filesystem::path& source, const std::filesystem::path& target);

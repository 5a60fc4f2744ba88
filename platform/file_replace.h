#pragma once

#include <string>
#include <string_view>

// Replaces a file's whole content so that a reader, or a writer killed on the
// way, sees either the old content or the new, never a mix. The replaced
// file's mode is kept; a new file is created 0600 (files written this way hold
// secrets). False when the content could not be made durable.
bool ReplaceFileContent(const std::string& path, std::string_view content);

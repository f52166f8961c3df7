#pragma once

#include <QByteArray>

// Puts freshly generated level lines (CR LF line ends, no section header) into an existing
// Game.ini. In the level section (every copy of it) the ramp and engram lines, and with
// `replace_caps` the experience caps, are removed; the new lines, in the file's own line
// ends, stand where the first removed line stood, else after the section's last non-blank
// line, else in a new section at the end of the file. Every other byte stays as it was.
QByteArray merge_level_lines(const QByteArray &file, const QByteArray &level_lines,
                             bool replace_caps);

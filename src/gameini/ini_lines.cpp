#include "gameini/ini_lines.h"

namespace {

const QByteArray kByteOrderMark("\xEF\xBB\xBF");

QByteArray without_byte_order_mark(const QByteArray &text)
{
    return text.startsWith(kByteOrderMark) ? text.mid(kByteOrderMark.size()) : text;
}

bool same_name(const QByteArray &a, const char *b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

} // namespace

std::vector<IniLine> ini_lines(const QByteArray &file)
{
    std::vector<IniLine> lines;
    int start = 0;
    while (start < file.size()) {
        const int newline = file.indexOf('\n', start);
        if (newline < 0) {
            lines.push_back({file.mid(start), QByteArray()});
            break;
        }
        const bool crlf = newline > start && file[newline - 1] == '\r';
        const int end = crlf ? newline - 1 : newline;
        lines.push_back({file.mid(start, end - start), crlf ? "\r\n" : "\n"});
        start = newline + 1;
    }
    return lines;
}

QByteArray line_end_of(const std::vector<IniLine> &lines)
{
    return lines.empty() || lines.front().line_end.isEmpty() ? "\r\n" : lines.front().line_end;
}

bool is_section_header(const QByteArray &text)
{
    return without_byte_order_mark(text).trimmed().startsWith('[');
}

bool is_level_section_header(const QByteArray &text)
{
    return same_name(without_byte_order_mark(text).trimmed(), GameIniNames::kSectionHeader);
}

LevelKey level_key(const QByteArray &text)
{
    const int equals = text.indexOf('=');
    if (equals < 0)
        return LevelKey::None;
    const QByteArray key = without_byte_order_mark(text.left(equals)).trimmed();
    if (same_name(key, GameIniNames::kRampKey))
        return LevelKey::Ramp;
    if (same_name(key, GameIniNames::kEngramKey))
        return LevelKey::Engram;
    if (same_name(key.left(int(sizeof GameIniNames::kCapKeyPrefix) - 1),
                  GameIniNames::kCapKeyPrefix))
        return LevelKey::Cap;
    return LevelKey::None;
}

// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "gameini/unified_diff.h"

#include <algorithm>
#include <string_view>

namespace {

constexpr int kContext = 3;

using Lines = std::vector<std::string_view>; // each with its line end

// The starts of the lines of text[from, to), which starts at a line start. LF, CR LF and a
// lone CR each end a line.
std::vector<int> line_starts(const QByteArray &text, int from, int to)
{
    std::vector<int> starts;
    const char *data = text.constData();
    for (int at = from; at < to;) {
        starts.push_back(at);
        const char *end =
            std::find_if(data + at, data + to, [](char c) { return c == '\n' || c == '\r'; });
        at = int(end - data);
        if (at < to)
            at += (*end == '\r' && at + 1 < to && end[1] == '\n') ? 2 : 1;
    }
    return starts;
}

Lines lines_of(const QByteArray &text)
{
    const std::vector<int> starts = line_starts(text, 0, text.size());
    Lines lines;
    lines.reserve(starts.size());
    for (std::size_t k = 0; k < starts.size(); ++k) {
        const int end = k + 1 < starts.size() ? starts[k + 1] : text.size();
        lines.emplace_back(text.constData() + starts[k], size_t(end - starts[k]));
    }
    return lines;
}

// An edit as lines: old lines [first, first + removed.size()) become `added`.
struct Change {
    int first; // 0-based line of the old text
    Lines removed;
    Lines added;
};

void append_line(QByteArray &diff, char kind, std::string_view line)
{
    diff += kind;
    diff.append(line.data(), int(line.size()));
    if (line.empty() || (line.back() != '\n' && line.back() != '\r'))
        diff += "\n\\ No newline at end of file\n";
}

QByteArray range(int first, int count)
{
    // An empty range names the line before it.
    if (count == 0)
        return QByteArray::number(first - 1) + ",0";
    return count == 1 ? QByteArray::number(first)
                      : QByteArray::number(first) + ',' + QByteArray::number(count);
}

class Differ
{
public:
    Differ(const QByteArray &text, const std::vector<LineEdit> &edits) : text(text)
    {
        starts = line_starts(text, 0, text.size());
        for (const LineEdit &edit : edits)
            add(edit);
    }

    QByteArray diff(const QString &name, const QString &note)
    {
        if (changes.empty())
            return {};
        QByteArray out;
        if (!note.isEmpty())
            out += note.toUtf8() + '\n';
        out += "--- a/" + name.toUtf8() + "\n+++ b/" + name.toUtf8() + '\n';
        int shift = 0; // new line number minus old line number before the hunk
        for (std::size_t k = 0; k < changes.size();) {
            // Changes with at most twice the context between them share a hunk.
            std::size_t last = k;
            while (last + 1 < changes.size() &&
                   changes[last + 1].first - end_of(changes[last]) <= 2 * kContext)
                ++last;
            shift = hunk(out, k, last, shift);
            k = last + 1;
        }
        return out;
    }

private:
    int end_of(const Change &change) const { return change.first + int(change.removed.size()); }

    int line_of(int offset) const
    {
        return int(std::lower_bound(starts.begin(), starts.end(), offset) - starts.begin());
    }

    std::string_view old_line(int k) const
    {
        const int end = k + 1 < int(starts.size()) ? starts[size_t(k + 1)] : text.size();
        return {text.constData() + starts[size_t(k)], size_t(end - starts[size_t(k)])};
    }

    // The edit as lines, without the lines at its ends that it leaves as they were.
    void add(const LineEdit &edit)
    {
        const int first = line_of(edit.from);
        const int last = line_of(edit.to);
        const Lines added = lines_of(edit.lines);
        std::size_t same_start = 0;
        while (first + int(same_start) < last && same_start < added.size() &&
               old_line(first + int(same_start)) == added[same_start])
            ++same_start;
        std::size_t same_end = 0;
        while (last - int(same_end) > first + int(same_start) &&
               same_end < added.size() - same_start &&
               old_line(last - 1 - int(same_end)) == added[added.size() - 1 - same_end])
            ++same_end;
        Change change{first + int(same_start), {}, {}};
        for (int k = change.first; k < last - int(same_end); ++k)
            change.removed.push_back(old_line(k));
        change.added.assign(added.begin() + long(same_start), added.end() - long(same_end));
        if (!change.removed.empty() || !change.added.empty())
            changes.push_back(std::move(change));
    }

    // Writes the hunk of changes[first..last]; returns the shift after it.
    int hunk(QByteArray &out, std::size_t first, std::size_t last, int shift) const
    {
        const int begin = std::max(0, changes[first].first - kContext);
        const int end = std::min(int(starts.size()), end_of(changes[last]) + kContext);
        int added = 0;
        int removed = 0;
        for (std::size_t k = first; k <= last; ++k) {
            added += int(changes[k].added.size());
            removed += int(changes[k].removed.size());
        }
        const int old_count = end - begin;
        const int new_count = old_count - removed + added;
        const int new_begin = begin + shift;
        out +=
            "@@ -" + range(begin + 1, old_count) + " +" + range(new_begin + 1, new_count) + " @@\n";
        int line = begin;
        for (std::size_t k = first; k <= last; ++k) {
            for (; line < changes[k].first; ++line)
                append_line(out, ' ', old_line(line));
            for (const std::string_view removed_line : changes[k].removed)
                append_line(out, '-', removed_line);
            for (const std::string_view added_line : changes[k].added)
                append_line(out, '+', added_line);
            line = end_of(changes[k]);
        }
        for (; line < end; ++line)
            append_line(out, ' ', old_line(line));
        return shift + added - removed;
    }

    const QByteArray &text;
    std::vector<int> starts;
    std::vector<Change> changes;
};

} // namespace

QByteArray applied(const QByteArray &text, const std::vector<LineEdit> &edits)
{
    QByteArray result;
    result.reserve(text.size());
    int copied = 0;
    for (const LineEdit &edit : edits) {
        result.append(text.constData() + copied, edit.from - copied);
        result += edit.lines;
        copied = edit.to;
    }
    result.append(text.constData() + copied, text.size() - copied);
    return result;
}

QByteArray unified_diff(const QByteArray &text, const std::vector<LineEdit> &edits,
                        const QString &name, const QString &note)
{
    return Differ(text, edits).diff(name, note);
}

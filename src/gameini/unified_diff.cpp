// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "gameini/unified_diff.h"

#include "gameini/ini_lines.h"

#include <algorithm>
#include <string_view>
#include <vector>

namespace {

constexpr int kContext = 3;

using Lines = std::vector<std::string_view>; // each with its line end

// The lines of text[from, to), which starts at a line start.
Lines lines_of(const QByteArray &text, int from, int to)
{
    Lines lines;
    const char *data = text.constData();
    for (int at = from; at < to;) {
        const char *end =
            std::find_if(data + at, data + to, [](char c) { return c == '\n' || c == '\r'; });
        int next = int(end - data);
        if (next < to)
            next += (*end == '\r' && next + 1 < to && end[1] == '\n') ? 2 : 1;
        lines.emplace_back(data + at, size_t(next - at));
        at = next;
    }
    return lines;
}

// Marks the lines of a and b that are kept, by the linear-space O(ND) difference algorithm.
class Differ
{
public:
    Differ(const Lines &a, const Lines &b) : a(a), b(b), a_kept(a.size()), b_kept(b.size())
    {
        compare(0, int(a.size()), 0, int(b.size()));
    }

    const Lines &a;
    const Lines &b;
    std::vector<bool> a_kept;
    std::vector<bool> b_kept;

private:
    void compare(int a0, int a1, int b0, int b1)
    {
        while (a0 < a1 && b0 < b1 && a[size_t(a0)] == b[size_t(b0)]) {
            a_kept[size_t(a0++)] = true;
            b_kept[size_t(b0++)] = true;
        }
        while (a0 < a1 && b0 < b1 && a[size_t(a1 - 1)] == b[size_t(b1 - 1)]) {
            a_kept[size_t(--a1)] = true;
            b_kept[size_t(--b1)] = true;
        }
        if (a0 == a1 || b0 == b1)
            return;
        int x = 0;
        int y = 0;
        // A split at either end would not make the parts smaller: the range is then
        // reported as changed whole.
        if (middle_snake(a0, a1, b0, b1, x, y) && !(x == a0 && y == b0) && !(x == a1 && y == b1)) {
            compare(a0, x, b0, y);
            compare(x, a1, y, b1);
        }
    }

    // Where a shortest edit script of a[a0, a1) and b[b0, b1) crosses its middle; false when
    // the two have no line in common.
    bool middle_snake(int a0, int a1, int b0, int b1, int &split_x, int &split_y)
    {
        const int n = a1 - a0;
        const int m = b1 - b0;
        const int most = (n + m + 1) / 2;
        const int offset = most + 1;
        std::vector<int> forward(size_t(2 * most + 3), -1);
        std::vector<int> backward(size_t(2 * most + 3), -1);
        forward[size_t(offset + 1)] = 0;
        backward[size_t(offset + 1)] = 0;
        const int delta = n - m;
        const bool odd = delta % 2 != 0;
        for (int d = 0; d < most; ++d) {
            for (int k = -d; k <= d; k += 2) {
                const size_t at = size_t(offset + k);
                int x = (k == -d || (k != d && forward[at - 1] < forward[at + 1]))
                            ? forward[at + 1]
                            : forward[at - 1] + 1;
                int y = x - k;
                if (y < 0)
                    continue;
                while (x < n && y < m && a[size_t(a0 + x)] == b[size_t(b0 + y)])
                    ++x, ++y;
                forward[at] = x;
                if (x > n || y > m)
                    continue;
                const int c = delta - k;
                if (odd && c >= -(d - 1) && c <= d - 1 && backward[size_t(offset + c)] != -1 &&
                    x >= n - backward[size_t(offset + c)]) {
                    split_x = a0 + x;
                    split_y = b0 + y;
                    return true;
                }
            }
            for (int k = -d; k <= d; k += 2) {
                const size_t at = size_t(offset + k);
                int x = (k == -d || (k != d && backward[at - 1] < backward[at + 1]))
                            ? backward[at + 1]
                            : backward[at - 1] + 1;
                int y = x - k;
                if (y < 0)
                    continue;
                while (x < n && y < m && a[size_t(a1 - 1 - x)] == b[size_t(b1 - 1 - y)])
                    ++x, ++y;
                backward[at] = x;
                if (x > n || y > m)
                    continue;
                const int c = delta - k;
                if (!odd && c >= -d && c <= d && forward[size_t(offset + c)] != -1 &&
                    forward[size_t(offset + c)] >= n - x) {
                    split_x = a1 - x;
                    split_y = b1 - y;
                    return true;
                }
            }
        }
        return false;
    }
};

struct Op {
    char kind; // ' ', '-', '+'
    std::string_view line;
};

void append_line(QByteArray &diff, const Op &op)
{
    diff += op.kind;
    std::string_view text = op.line;
    const bool ended = !text.empty() && (text.back() == '\n' || text.back() == '\r');
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
        text.remove_suffix(1);
    diff.append(text.data(), int(text.size()));
    diff += ended ? "\n" : "\n\\ No newline at end of file\n";
}

QByteArray range(int first, int count)
{
    // An empty range names the line before it.
    if (count == 0)
        return QByteArray::number(first - 1) + ",0";
    return count == 1 ? QByteArray::number(first)
                      : QByteArray::number(first) + ',' + QByteArray::number(count);
}

} // namespace

QByteArray unified_diff(const QByteArray &old_text, const QByteArray &new_text, const QString &name)
{
    // Only the part between the common start and end is compared line by line, so that a
    // large file costs no more than its changed lines. The common start is cut at a line
    // start kContext lines before the first difference.
    const int shorter = std::min(old_text.size(), new_text.size());
    int same_start = 0;
    while (same_start < shorter && old_text[same_start] == new_text[same_start])
        ++same_start;
    if (same_start == old_text.size() && same_start == new_text.size())
        return {};
    int same_end = 0;
    while (same_end < shorter - same_start &&
           old_text[old_text.size() - 1 - same_end] == new_text[new_text.size() - 1 - same_end])
        ++same_end;

    // Lines before the first difference, which may lie inside a line's end.
    const auto is_line_start = [](const QByteArray &text, int at) {
        if (at == 0)
            return true;
        const char before = text[at - 1];
        return before == '\n' || (before == '\r' && (at >= text.size() || text[at] != '\n'));
    };
    int from = same_start;
    while (from > 0 && !(is_line_start(old_text, from) && is_line_start(new_text, from)))
        --from;
    // The line number and the starts of the last kContext + 1 lines before it.
    int line_number = 1;
    int starts[kContext + 1] = {0};
    for (int at = 1; at <= from; ++at) {
        if (is_line_start(old_text, at))
            starts[line_number++ % (kContext + 1)] = at;
    }
    const int back = std::min(kContext, line_number - 1);
    line_number -= back;
    from = starts[(line_number - 1) % (kContext + 1)];

    // Up to the first line start inside the common end, then kContext lines more.
    int old_to = old_text.size() - same_end;
    int new_to = new_text.size() - same_end;
    while (old_to < old_text.size() &&
           !(is_line_start(old_text, old_to) && old_to - (old_text.size() - same_end) > 0))
        ++old_to, ++new_to;
    for (int lines = 0; lines < kContext && old_to < old_text.size(); ++lines) {
        do
            ++old_to, ++new_to;
        while (old_to < old_text.size() && !is_line_start(old_text, old_to));
    }

    const Lines a = lines_of(old_text, from, old_to);
    const Lines b = lines_of(new_text, from, new_to);
    const Differ differ(a, b);

    std::vector<Op> ops;
    for (size_t i = 0, j = 0; i < a.size() || j < b.size();) {
        if (i < a.size() && !differ.a_kept[i])
            ops.push_back({'-', a[i++]});
        else if (j < b.size() && !differ.b_kept[j])
            ops.push_back({'+', b[j++]});
        else
            ops.push_back({' ', a[i++]}), ++j;
    }

    QByteArray diff = "--- " + name.toUtf8() + "\n+++ " + name.toUtf8() + '\n';
    int old_line = line_number;
    int new_line = line_number;
    for (size_t k = 0; k < ops.size();) {
        if (ops[k].kind == ' ') {
            ++old_line, ++new_line, ++k;
            continue;
        }
        // A hunk: kContext lines before the change, changes joined by at most 2 * kContext
        // unchanged lines, kContext lines after.
        size_t first = k;
        int old_first = old_line;
        int new_first = new_line;
        for (int c = 0; c < kContext && first > 0 && ops[first - 1].kind == ' '; ++c)
            --first, --old_first, --new_first;
        size_t last = k;
        for (size_t scan = k; scan < ops.size(); ++scan) {
            if (ops[scan].kind != ' ')
                last = scan;
            else if (scan - last > size_t(2 * kContext))
                break;
        }
        const size_t end = std::min(ops.size(), last + 1 + kContext);
        int old_count = 0;
        int new_count = 0;
        for (size_t h = first; h < end; ++h) {
            old_count += ops[h].kind != '+';
            new_count += ops[h].kind != '-';
        }
        diff += "@@ -" + range(old_first, old_count) + " +" + range(new_first, new_count) + " @@\n";
        for (size_t h = first; h < end; ++h)
            append_line(diff, ops[h]);
        for (size_t h = k; h < end; ++h) {
            old_line += ops[h].kind != '+';
            new_line += ops[h].kind != '-';
        }
        k = end;
    }
    return diff;
}

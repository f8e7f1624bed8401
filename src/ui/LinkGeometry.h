// Where a link control goes once it is fitted to its text.
#pragma once

struct LinkRect {
    int left, top, right, bottom;
    bool operator==(const LinkRect& o) const {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
};

enum class LinkAlign { Left, Center, Right };

// Shrinks (or grows) `rect` to a text of cx by cy, keeping the edge or centre the
// alignment names; a vertically centred control keeps its vertical centre,
// otherwise its top.
LinkRect FitLinkRect(LinkRect rect, LinkAlign align, bool centerVertically, int cx, int cy);

// SPDX-License-Identifier: GPL-3.0-or-later
#include "peripherals/PdfPageBox.h"

#include <QList>
#include <cmath>
#include <vector>

namespace quirn {
namespace {

// Drawing units (0.01 mm) to points (1/72 inch).
double Points(int units) {
    return units * 72.0 / 2540.0;
}

// Points to the hundredth: finer than a hundredth of a millimetre, and what pdfinfo shows.
double Hundredths(double points) {
    return std::round(points * 100.0) / 100.0;
}

QByteArray Number(double value) {
    return QByteArray::number(value, 'g', 12);
}

constexpr int kEntryLength = 20;  // "oooooooooo ggggg n \n"

struct Change {
    qsizetype at = 0;  // where the old text ended
    qsizetype grown = 0;
};

// The offset moves by every change made before it.
qsizetype Moved(qsizetype offset, const std::vector<Change>& changes) {
    qsizetype moved = offset;
    for (const Change& c : changes)
        if (offset >= c.at) moved += c.grown;
    return moved;
}

// Rewrites the offsets of the table at xref, which starts with "xref"; false when it is not one.
bool MoveEntries(QByteArray& pdf, qsizetype xref, const std::vector<Change>& changes) {
    qsizetype at = xref + 4;
    for (;;) {
        while (at < pdf.size() && (pdf[at] == '\n' || pdf[at] == '\r' || pdf[at] == ' ')) ++at;
        if (pdf.mid(at, 7) == "trailer") return true;
        // A subsection: "first count", then count entries.
        const qsizetype lineEnd = pdf.indexOf('\n', at);
        if (lineEnd < 0) return false;
        const QList<QByteArray> head = pdf.mid(at, lineEnd - at).trimmed().split(' ');
        bool ok = head.size() == 2;
        const qsizetype count = ok ? head[1].toLongLong(&ok) : 0;
        if (!ok || count < 0 || lineEnd + 1 + count * kEntryLength > pdf.size()) return false;
        at = lineEnd + 1;
        for (qsizetype i = 0; i < count; ++i, at += kEntryLength) {
            if (pdf[at + 17] != 'n') continue;  // a free entry holds no offset
            const qsizetype offset = pdf.mid(at, 10).toLongLong(&ok);
            if (!ok) return false;
            pdf.replace(at, 10, QByteArray::number(Moved(offset, changes)).rightJustified(10, '0'));
        }
    }
}

}  // namespace

PdfBox CanvasBox(int width, int height) {
    const double wholeTop = std::ceil(Points(height));
    return {0.0, Hundredths(wholeTop - Hundredths(Points(height))), Hundredths(Points(width)),
            wholeTop};
}

bool SetPageBox(QByteArray& pdf, const PdfBox& box) {
    const QByteArray key = "/MediaBox [";
    const QByteArray text = Number(box.left) + ' ' + Number(box.bottom) + ' ' + Number(box.right) +
                            ' ' + Number(box.top);
    const qsizetype start = pdf.lastIndexOf("startxref");
    if (start < 0) return false;
    const qsizetype numberAt = start + 9;
    qsizetype numberEnd = numberAt;
    while (numberEnd < pdf.size() &&
           (pdf[numberEnd] == '\n' || pdf[numberEnd] == '\r' || pdf[numberEnd] == ' '))
        ++numberEnd;
    while (numberEnd < pdf.size() && pdf[numberEnd] >= '0' && pdf[numberEnd] <= '9') ++numberEnd;
    bool ok = false;
    const qsizetype xref = pdf.mid(numberAt, numberEnd - numberAt).trimmed().toLongLong(&ok);
    if (!ok || xref < 0 || pdf.mid(xref, 4) != "xref") return false;

    QByteArray result = pdf;
    std::vector<Change> changes;
    qsizetype searched = 0;
    for (qsizetype at; (at = pdf.indexOf(key, searched)) >= 0 && at < xref;) {
        const qsizetype from = at + key.size();
        const qsizetype close = pdf.indexOf(']', from);
        if (close < 0) return false;
        const qsizetype shift = Moved(from, changes) - from;
        result.replace(from + shift, close - from, text);
        changes.push_back({close, text.size() - (close - from)});
        searched = close;
    }
    if (changes.empty()) return false;
    const qsizetype movedXref = Moved(xref, changes);
    if (!MoveEntries(result, movedXref, changes)) return false;
    // startxref's own place moved with the changes before it.
    const qsizetype movedNumber = Moved(numberAt, changes);
    result.replace(movedNumber, numberEnd - numberAt, "\n" + QByteArray::number(movedXref));
    pdf = result;
    return true;
}

}  // namespace quirn

// SPDX-License-Identifier: GPL-3.0-or-later
// Setting the page box of a PDF file after it was written: Qt keeps a page to whole points,
// and a plate's page must be its canvas to the hundredth of a millimetre.
#pragma once

#include <QByteArray>

namespace quirn {

// A page box in points: lower-left and upper-right corners.
struct PdfBox {
    double left = 0.0;
    double bottom = 0.0;
    double right = 0.0;
    double top = 0.0;
};

// The box of a page of width x height drawing units that Qt wrote as whole points, rounded up,
// with the content hung from its top-left corner: the box keeps that corner and the content
// where they are, and ends at the canvas's right and bottom edges.
PdfBox CanvasBox(int width, int height);

// Replaces the /MediaBox of every page of pdf with box and moves the cross-reference table's
// offsets and the startxref past each change by as much as the text grew or shrank. False,
// with pdf unchanged, when pdf has no page box or no classic cross-reference table.
bool SetPageBox(QByteArray& pdf, const PdfBox& box);

}  // namespace quirn

#pragma once
// What every module dialog on screen must show: each window of the tree as
// a widget under its parent's widget, with its caption, at its rectangle
// and where its template puts it, visible and enabled as the window is, and
// no widget that no window accounts for; and the colours the module
// specifies (colour buttons' faces, a list's cell colours, colour pickers'
// swatches) in the pixels of a screenshot of the whole dialog.

#include <QImage>

class CWnd;

namespace desktop_test {

class DesktopSession;

// Walks the window tree under `root` and the widgets that show it, both ways.
void ExpectWidgetsMirrorWindows(DesktopSession& session, const CWnd& root);
// Probes `shot` (a screenshot of `root`'s widget) inside every visible
// colour button and every visible row of every scheme-coloured list, and
// each colour picker's chosen swatch.
void ExpectSpecifiedColours(DesktopSession& session, const CWnd& root, const QImage& shot);

}  // namespace desktop_test

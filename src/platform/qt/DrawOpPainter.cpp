#include "platform/qt/DrawOpPainter.h"

#include <QPainter>

#include "platform/qt/AnsiText.h"
#include "platform/ui/DC.h"

namespace platform::qt {
namespace {

// The 3-D face colours the original desktop draws edges with.
const QColor kHighlightEdge(255, 255, 255);
const QColor kShadowEdge(128, 128, 128);

// FrameRect and the edges draw inside the rectangle: a QRect's right and
// bottom are inclusive, one pixel in from a CRect's.
QRect Inner(const CRect& rect) { return QRect(rect.left, rect.top, rect.Width() - 1, rect.Height() - 1); }

void Fill(QPainter& painter, const DrawOp& op) { painter.fillRect(QtRect(op.rect), QtColour(op.colour)); }

void Frame(QPainter& painter, const DrawOp& op) {
  painter.setPen(QtColour(op.colour));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(Inner(op.rect));
}

void Edge(QPainter& painter, const DrawOp& op) {
  const bool raised = op.style == EDGE_RAISED;
  const QRect r = Inner(op.rect);
  painter.setPen(raised ? kHighlightEdge : kShadowEdge);
  painter.drawLine(r.topLeft(), r.topRight());
  painter.drawLine(r.topLeft(), r.bottomLeft());
  painter.setPen(raised ? kShadowEdge : kHighlightEdge);
  painter.drawLine(r.bottomLeft(), r.bottomRight());
  painter.drawLine(r.topRight(), r.bottomRight());
}

void Text(QPainter& painter, const DrawOp& op) {
  painter.setPen(QtColour(op.colour));
  painter.drawText(QtRect(op.rect), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, FromAnsi(op.text));
}

void Line(QPainter& painter, const DrawOp& op) {
  painter.setPen(QtColour(op.colour));
  painter.drawLine(op.rect.left, op.rect.top, op.rect.right, op.rect.bottom);
}

void FocusRect(QPainter& painter, const DrawOp& op) {
  painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(Inner(op.rect));
}

// A bitmap operation names a resource the CDC already painted into the
// selected bitmap's pixels; on screen it leaves nothing of its own.
void Bitmap(QPainter&, const DrawOp&) {}

using Replayer = void (*)(QPainter&, const DrawOp&);

// Indexed by DrawOp::Kind.
constexpr Replayer kReplayers[] = {Fill, Frame, Edge, Text, Line, FocusRect, Bitmap};

}  // namespace

QColor QtColour(COLORREF colour) { return QColor(GetRValue(colour), GetGValue(colour), GetBValue(colour)); }

QRect QtRect(const CRect& rect) { return QRect(rect.left, rect.top, rect.Width(), rect.Height()); }

void ReplayDrawing(const CDC& dc, QPainter& painter) {
  painter.save();
  for (const DrawOp& op : dc.Operations()) kReplayers[static_cast<int>(op.kind)](painter, op);
  painter.restore();
}

}  // namespace platform::qt

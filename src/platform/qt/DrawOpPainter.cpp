#include "platform/qt/DrawOpPainter.h"

#include <QPainter>

#include <iterator>

#include "platform/qt/AnsiText.h"
#include "platform/qt/FontMap.h"
#include "platform/qt/Pixmaps.h"
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

struct FlagPair {
  UINT format;
  int qtFlag;
};

// DT_LEFT and DT_TOP are 0: what is not set here is left and top.
constexpr FlagPair kTextFlags[] = {
    {DT_CENTER, Qt::AlignHCenter}, {DT_RIGHT, Qt::AlignRight},        {DT_VCENTER, Qt::AlignVCenter},
    {DT_BOTTOM, Qt::AlignBottom},  {DT_WORDBREAK, Qt::TextWordWrap},
};

int TextFlags(UINT format) {
  int flags = 0;
  for (const FlagPair& pair : kTextFlags)
    if (format & pair.format) flags |= pair.qtFlag;
  if (!(flags & Qt::AlignHorizontal_Mask)) flags |= Qt::AlignLeft;
  if (!(flags & Qt::AlignVertical_Mask)) flags |= Qt::AlignTop;
  if (format & DT_SINGLELINE) flags &= ~Qt::TextWordWrap;
  // Without DT_NOPREFIX "&x" underlines x; the access key is not shown.
  if (!(format & DT_NOPREFIX)) flags |= Qt::TextHideMnemonic;
  return flags;
}

QString ShownText(const DrawOp& op, const QFontMetrics& metrics) {
  QString text = FromAnsi(op.text);
  if (op.format & DT_END_ELLIPSIS) text = metrics.elidedText(text, Qt::ElideRight, op.rect.Width());
  return text;
}

void Text(QPainter& painter, const DrawOp& op) {
  painter.setFont(QtFont(op.font));
  if (op.opaque) painter.fillRect(QtRect(op.rect), QtColour(op.background));
  painter.setPen(QtColour(op.colour));
  painter.drawText(QtRect(op.rect), TextFlags(op.format), ShownText(op, painter.fontMetrics()));
}

// Indexed by the PS_* pen styles.
constexpr Qt::PenStyle kPenStyles[] = {Qt::SolidLine, Qt::DashLine, Qt::DotLine, Qt::DashDotLine,
                                       Qt::DashDotDotLine};

void Line(QPainter& painter, const DrawOp& op) {
  const bool known = op.style >= 0 && op.style < static_cast<int>(std::size(kPenStyles));
  painter.setPen(QPen(QtColour(op.colour), 1, known ? kPenStyles[op.style] : Qt::SolidLine));
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

void Image(QPainter& painter, const DrawOp& op) {
  painter.drawPixmap(op.rect.left, op.rect.top, ImageListPixmap(op.images, op.style));
}

using Replayer = void (*)(QPainter&, const DrawOp&);

// Indexed by DrawOp::Kind.
constexpr Replayer kReplayers[] = {Fill, Frame, Edge, Text, Line, FocusRect, Bitmap, Image};

}  // namespace

QRect QtRect(const CRect& rect) { return QRect(rect.left, rect.top, rect.Width(), rect.Height()); }

void ReplayDrawing(const CDC& dc, QPainter& painter) {
  painter.save();
  for (const DrawOp& op : dc.Operations()) kReplayers[static_cast<int>(op.kind)](painter, op);
  painter.restore();
}

}  // namespace platform::qt

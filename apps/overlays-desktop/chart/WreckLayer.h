#pragma once
// The host's wrecks and obstructions with the wreck image list's symbols,
// as the search list's show flags select them, labelled when its label
// flag is set; the search list's records highlighted, and its search
// circle when it is to be shown. A million records stay quick: they are
// indexed on the plane once per load, thinned at coarse scales, and a
// crowd shows one symbol per symbol-sized cell of the screen.

#include <QImage>

#include <vector>

#include "chart/ChartLayer.h"
#include "chart/PointIndex.h"
#include "wrecks/WreckList.h"

namespace chart {

class WreckLayer : public ChartLayer {
 public:
  WreckLayer(const CWreckList& wrecks, const CWreckList& searchList);
  const char* Name() const override { return "wrecks"; }
  void Draw(QPainter& painter, const ChartView& view) override;

 private:
  // Wrecks and obstructions apart, since each has its own show flag and a
  // thinned copy must not let a hidden one stand for a shown one.
  struct Category {
    std::vector<const WreckDef*> records;
    std::vector<QPointF> places;  // plane, one a record
    PointIndex index;
  };
  void IndexIfChanged(const MercatorProjection& projection);
  bool Shows(const WreckDef& record) const;
  void DrawSearchCircle(QPainter& painter, const ChartView& view) const;
  void DrawCategory(QPainter& painter, const ChartView& view, const Category& category) const;
  void DrawSearchResults(QPainter& painter, const ChartView& view) const;
  void DrawSymbol(QPainter& painter, QPointF at, const WreckDef& record) const;

  const CWreckList& wrecks_;
  const CWreckList& searchList_;
  std::vector<QImage> pictures_;
  // What the list was when indexed: its size and first record.
  std::size_t indexedSize_ = 0;
  const WreckDef* indexedFirst_ = nullptr;
  Category wrecksOnly_;
  Category obstructions_;
};

}  // namespace chart

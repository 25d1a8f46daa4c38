#pragma once
// What the loading dialog and its worker share: the shape being filled, the
// number of entities copied so far and the request to stop. Both hold it,
// and whichever lets go last destroys it, so a Quit that ends the dialog
// while the worker is still inside an entity leaves the worker a live shape
// to finish with; the shape goes only once the worker is done with it.

#include <atomic>
#include <cstdint>
#include <memory>

#include "shape/Shape.h"

struct ShapeLoadJob {
  std::unique_ptr<CShape> shape = std::make_unique<CShape>();
  // Written by the worker only; the dialog's timer shows it.
  std::atomic<std::int32_t> copied{0};
  // 1 until the pair is open; set to 1 again by Quit.
  std::atomic<std::uint8_t> stop{1};
};

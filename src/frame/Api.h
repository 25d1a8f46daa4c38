#pragma once
// Marks the functions and classes that the shared library exports to a
// charting host; everything else in the library stays hidden.
#define OVERLAYS_API __attribute__((visibility("default")))

#pragma once
// Marks what liboverlays_qt exports (the backend for the programs that
// link it, the entry for the host that loads it); the rest stays hidden.
#define OVERLAYS_QT_API __attribute__((visibility("default")))

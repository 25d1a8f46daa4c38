#pragma once
// Finding a farm by its name in either list, and offering the names in a
// choice: the turbine and boundary farms are different records with a
// name in common.

#include <string_view>

#include "platform/text/CodePage.h"

// The first farm whose name equals `name` exactly, or -1.
template <class Farms>
int FindFarmNamed(const Farms& farms, std::string_view name) {
  for (std::size_t i = 0; i < farms.size(); ++i)
    if (farms[i].name == name) return static_cast<int>(i);
  return -1;
}

// The same, with case ignored, as a user's choice is matched.
template <class Farms>
int FindFarmNamedIgnoringCase(const Farms& farms, std::string_view name) {
  for (std::size_t i = 0; i < farms.size(); ++i)
    if (platform::text::EqualsIgnoringCase(farms[i].name, name)) return static_cast<int>(i);
  return -1;
}

// Every farm's name in list order, the placeholder of entry 0 included,
// into a combo box or list box.
template <class Farms, class Box>
void AddFarmNames(Box& box, const Farms& farms) {
  for (const auto& farm : farms) box.AddString(farm.name);
}

// Whether the list's chosen index names a farm.
template <class Farms>
bool IsChosenFarm(const Farms& farms, int index) {
  return index >= 1 && static_cast<std::size_t>(index) < farms.size();
}

// A user's choice of farm by its text becomes the list's chosen farm and
// is saved at once.
template <class List>
void ChooseFarmNamed(List& list, std::string_view text) {
  list.index = FindFarmNamedIgnoringCase(list.farms, text);
  list.SaveSettings();
}

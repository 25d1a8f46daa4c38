#pragma once
// PROJ's own conversion from ED50 (UTM or geographic) into an axis of the
// Norwegian NGO 1948 grid, for the kind-13 table generator and its oracle
// tests. Of the candidates PROJ lists for Norway onshore, the best (10 m) is
// "ED50 to WGS 84 (7)" followed by the inverse of "NGO 1948 to WGS 84 (1)";
// it is picked by that name so that a changed ranking cannot swap it.
// Coordinates go in and come out east first: (E, N) or (lon, lat) in
// degrees in, (Y, X) of the NGO axis out.

#include <proj.h>

#include <string>

namespace norwegian_axes {

inline constexpr const char* kChosenStep = "ED50 to WGS 84 (7)";

// EPSG:27391 is NGO 1948 (Oslo) / NGO zone I, and so on to zone VIII.
inline std::string NgoAxisCrs(int axis) { return "EPSG:" + std::to_string(27391 + axis); }
inline std::string Ed50UtmCrs(int zone) { return "EPSG:" + std::to_string(23000 + zone); }
inline constexpr const char* kEd50Geographic = "EPSG:4230";

class NgoConversion {
 public:
  NgoConversion(const std::string& sourceCrs, int axis) {
    PJ* source = proj_create(context_, sourceCrs.c_str());
    PJ* target = proj_create(context_, NgoAxisCrs(axis).c_str());
    PJ_OPERATION_FACTORY_CONTEXT* factory = proj_create_operation_factory_context(context_, nullptr);
    PJ_OBJ_LIST* list = source && target && factory ? proj_create_operations(context_, source, target, factory)
                                                     : nullptr;
    for (int i = 0; list && i < proj_list_get_count(list) && !op_; ++i) {
      PJ* candidate = proj_list_get(context_, list, i);
      const std::string name = proj_get_name(candidate);
      if (name.find(kChosenStep) != std::string::npos) {
        op_ = proj_normalize_for_visualization(context_, candidate);
        name_ = name;
      }
      proj_destroy(candidate);
    }
    proj_list_destroy(list);
    proj_operation_factory_context_destroy(factory);
    proj_destroy(source);
    proj_destroy(target);
  }
  NgoConversion(const NgoConversion&) = delete;
  NgoConversion& operator=(const NgoConversion&) = delete;
  ~NgoConversion() {
    proj_destroy(op_);
    proj_context_destroy(context_);
  }

  bool Valid() const { return op_ != nullptr; }
  const std::string& Name() const { return name_; }
  PJ* Operation() const { return op_; }  // for proj_trans_generic on whole arrays
  PJ_XY Forward(double east, double north) const {
    return proj_trans(op_, PJ_FWD, proj_coord(east, north, 0, 0)).xy;
  }
  PJ_XY Inverse(double y, double x) const { return proj_trans(op_, PJ_INV, proj_coord(y, x, 0, 0)).xy; }

 private:
  PJ_CONTEXT* context_ = proj_context_create();
  PJ* op_ = nullptr;
  std::string name_;
};

}  // namespace norwegian_axes

#include "System34ProjText.h"

#include <cstdio>

namespace {

// Every digit, so that PROJ reads back the very doubles.
std::string Number(double v) {
  char text[32];
  std::snprintf(text, sizeof text, "%.17g", v);
  return text;
}

std::string CoefficientList(const ComplexPolynomialDef& p) {
  std::string text;
  for (std::size_t k = 0; k <= p.degree; ++k)
    text += (k ? "," : "") + Number(p.coefficients[k][0]) + "," + Number(p.coefficients[k][1]);
  return text;
}

std::string OriginOf(const ComplexPolynomialDef& p) { return Number(p.originImaginary) + "," + Number(p.originReal); }

}  // namespace

std::string System34HornerText(const System34RegionDef& region) {
  return "+proj=horner +ellps=intl +range=500000 +deg=" + std::to_string(region.toSystem34.degree) +
         " +fwd_origin=" + OriginOf(region.toSystem34) + " +inv_origin=" + OriginOf(region.toUtm) +
         " +fwd_c=" + CoefficientList(region.toSystem34) + " +inv_c=" + CoefficientList(region.toUtm);
}

// One picture showing all the art side by side on the table cloth, to judge
// the look of the set at a glance.
#pragma once

#include <QImage>
#include <vector>

#include "Pictures.h"

namespace artgen {

QImage DrawContactSheet(const std::vector<Picture>& pictures);

}  // namespace artgen

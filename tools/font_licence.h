// The notice written beside the generated fonts: which font they come from and its licence.
#pragma once

#include <string_view>

namespace kestrway {

std::string_view fontLicenceText();

}  // namespace kestrway

#pragma once
// What a formula window hands to the HTML output dialog: a picture of itself under
// a random name, and the fragment that shows that picture.
#include "calc/html_fragment.h"

#include <random>
#include <string>

namespace quillmar::formula {

// A picture name "n.jpg" with n drawn uniformly below 500000 until it is at least
// 1000.
std::string htmlPictureName(std::mt19937& random);

// Starts the dialog's data text afresh, shows its picture page and adds the
// picture's image line.
void writeHtmlFragment(calc::HtmlDataText& data, const std::string& pictureName);

} // namespace quillmar::formula

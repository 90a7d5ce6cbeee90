#pragma once

#include "lens/numbers.h"
#include "order/order_record.h"

#include <string>
#include <string_view>
#include <vector>

namespace corvane {

// A place on the page in twips (1440 an inch) from its top left.
struct Box {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

struct PageFont {
    // The design's face; the painter picks the nearest face it has.
    std::string face = "MS Sans Serif";
    double points = 9.75;
    bool bold = false;
};

// A text of the page. A value that does not fit its box on one line is
// drawn smaller, down to a size that still reads on a fax; a wrapped text
// breaks into lines in its box and loses what falls below it.
struct PageText {
    std::string name;
    std::string text;
    Box box;
    PageFont font;
    bool centred = false;
    bool wrapped = false;
};

// A frame with its caption on its top edge.
struct PageFrame {
    std::string name;
    std::string caption;
    Box box;
};

// The pictures of the page: the laboratory's logo and one per lens type.
enum class PagePicture { Logo, CorvaneLens, VeltoLens };

struct PagePictureAt {
    std::string name;
    PagePicture picture;
    Box box;
};

// "Order Form", the page that goes to the laboratory, as it is drawn on
// the screen, the PDF and the printer. Only what shows is on it: the picture
// of the lens type ordered, and no other.
struct OrderPage {
    int width = 11430;
    int height = 11100;
    std::vector<PageText> texts;
    std::vector<PageFrame> frames;
    std::vector<PagePictureAt> pictures;
};

// The page of this order, dated `date`.
OrderPage MakeOrderPage(const OrderRecord& order, const std::string& date, const NumberFormat& fmt);

// The text of that name; throws std::out_of_range for a name not on the page.
const PageText& TextNamed(const OrderPage& page, std::string_view name);

// The special-order box as the page holds it: six lines of its font. The
// order window's box wraps its lines at the same width.
PageText SpecialOrderText(const std::string& special);

} // namespace corvane

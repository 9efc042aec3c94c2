#include "cell.h"

namespace tavrel {

void Cell::SetText(std::string_view text) {
    if (IsText()) {
        std::get<2>(m_value).assign(text);
    } else {
        m_value.emplace<2>(text);
    }
}

const std::string& Cell::TextValue() const {
    static const std::string kNoText;
    return IsText() ? std::get<2>(m_value) : kNoText;
}

}  // namespace tavrel

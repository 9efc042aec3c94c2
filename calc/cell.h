// Cell: the value type of the width table and of result rows.
#pragma once

#include <string>
#include <string_view>
#include <variant>

namespace tavrel {

// A value that is empty, a number or a text. Every cell starts empty; the
// width table and the result rows hold cells so that "not designed yet" is
// distinguishable from a designed zero.
class Cell {
public:
    Cell() = default;
    static Cell Number(double value) {
        Cell cell;
        cell.m_value.emplace<1>(value);
        return cell;
    }
    static Cell Text(std::string text) {
        Cell cell;
        cell.m_value.emplace<2>(std::move(text));
        return cell;
    }

    // Makes this cell the text cell `text`, reusing its storage where it can.
    void SetText(std::string_view text);

    bool IsEmpty() const { return m_value.index() == 0; }
    bool IsNumber() const { return m_value.index() == 1; }
    bool IsText() const { return m_value.index() == 2; }

    // The number a cell stands for in arithmetic: an empty cell counts as 0.
    // Only number and empty cells ever take part in arithmetic.
    double NumberValue() const { return IsNumber() ? std::get<1>(m_value) : 0.0; }
    // The text of a text cell; the empty text for any other cell.
    const std::string& TextValue() const;

    friend bool operator==(const Cell&, const Cell&) = default;

private:
    std::variant<std::monostate, double, std::string> m_value;
};

}  // namespace tavrel

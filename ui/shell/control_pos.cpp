#include "ui/shell/control_pos.h"

#include <QWidget>
#include <algorithm>
#include <array>
#include <cstdint>

#include "core/utility.h"

ControlPos ControlPos::Parse(std::string_view text) {
  std::array<int32_t, 4> numbers{};
  const int count = std::min(ParseIntList(text, numbers.data(), 4), 4);
  ControlPos pos;
  std::optional<int>* fields[] = {&pos.left, &pos.top, &pos.width, &pos.height};
  for (int i = 0; i < count; ++i) *fields[i] = numbers[i];
  return pos;
}

void ControlPos::ApplyTo(QWidget& control) const {
  QRect bounds = control.geometry();
  bounds.moveTo(left.value_or(bounds.x()), top.value_or(bounds.y()));
  bounds.setWidth(width.value_or(bounds.width()));
  bounds.setHeight(height.value_or(bounds.height()));
  if (bounds != control.geometry()) control.setGeometry(bounds);
}

#pragma once

#include <stdexcept>

// Raised when the platform cannot give a control the picture or shape it needs.
class GraphicsError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

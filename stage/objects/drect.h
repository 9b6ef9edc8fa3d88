#pragma once
// DRECT: a box of the running stage in dots, edges included (a box x wide
// starting at left ends at left + x - 1):
//
//   DRECT a{0, 0, 31, 31}, b{31, 10, 40, 20};
//   a.Overlaps(b);   // true: column 31 belongs to both

struct DRECT {
  double left = 0;
  double top = 0;
  double right = 0;
  double bottom = 0;

  void Copy(const DRECT& source) { *this = source; }
  void Clear() { *this = DRECT{}; }
  bool Overlaps(const DRECT& other) const {
    return left <= other.right && right >= other.left && top <= other.bottom && bottom >= other.top;
  }
};

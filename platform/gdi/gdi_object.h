// The common part of everything the graphics object table holds: bitmaps,
// pens, fonts and drawing contexts.
#pragma once

namespace gdi {

enum class ObjectKind { Bitmap, Pen, Font, DC };

class GdiObject {
 public:
  explicit GdiObject(ObjectKind kind) : kind_(kind) {}
  virtual ~GdiObject() = default;
  GdiObject(const GdiObject&) = delete;
  GdiObject& operator=(const GdiObject&) = delete;

  ObjectKind Kind() const { return kind_; }

  // Stock objects live as long as the table and ignore DeleteObject.
  bool IsStock() const { return stock_; }
  void MarkStock() { stock_ = true; }

  // How many DCs hold this object selected; deletion waits for zero.
  bool IsSelected() const { return selections_ > 0; }
  void AddSelection() { ++selections_; }
  void RemoveSelection() { --selections_; }

 private:
  ObjectKind kind_;
  bool stock_ = false;
  int selections_ = 0;
};

}  // namespace gdi

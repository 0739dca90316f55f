// The table of live graphics objects. A handle is a table id (slot index and
// a generation that changes whenever a slot is reused) cast to the handle
// type; it is never dereferenced, so a stale or forged handle simply finds
// nothing.
#pragma once

#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

#include "platform/core/context.h"
#include "platform/core/or_failure.h"
#include "platform/gdi/gdi_object.h"

namespace gdi {

class Bitmap;

class ObjectTable : public platform::Service {
 public:
  ObjectTable() { CreateStockObjects(); }
  ~ObjectTable() override;

  static ObjectTable& Get() { return platform::Context::Get().Use<ObjectTable>(); }

  // Takes ownership and returns the new handle.
  void* Add(std::unique_ptr<GdiObject> object);

  // Makes a T from the arguments and adds it: its handle, or nullptr when
  // there is not the memory for it.
  template <class T, class... Args>
  void* Make(Args&&... args) {
    return platform::OrFailure<void*>(
        nullptr, [&] { return Add(std::make_unique<T>(std::forward<Args>(args)...)); });
  }

  // The object behind a handle, or nullptr if the handle is not live.
  GdiObject* Find(const void* handle) const;

  // The object if it is live and of type T (T::kKind), else nullptr.
  template <class T>
  T* Find(const void* handle) const {
    GdiObject* object = Find(handle);
    return object && object->Kind() == T::kKind ? static_cast<T*>(object) : nullptr;
  }

  // Destroys the object and retires its handle. False if not live.
  bool Remove(const void* handle);

  // Stock objects, made when the table is: what a new DC starts with.
  void* StockPen() const { return stockPen_; }
  void* StockFont() const { return stockFont_; }
  void* StockBitmap() const { return stockBitmap_; }

 private:
  struct Slot {
    std::unique_ptr<GdiObject> object;
    std::uint32_t generation = 1;
  };
  const Slot* SlotOf(const void* handle) const;
  void* AddStock(std::unique_ptr<GdiObject> object);
  void CreateStockObjects();

  std::vector<Slot> slots_;
  std::vector<std::uint32_t> freeSlots_;
  void* stockPen_ = nullptr;
  void* stockFont_ = nullptr;
  void* stockBitmap_ = nullptr;
};

}  // namespace gdi

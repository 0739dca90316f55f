#include "platform/gdi/object_table.h"

#include <cwchar>

#include "platform/gdi/bitmap.h"
#include "platform/gdi/drawing_tools.h"
#include "platform/gdi/wingdi.h"

namespace gdi {

namespace {

// Ids carry the generation in the high half and slot + 1 in the low half,
// so no live handle is ever NULL.
constexpr int kGenerationShift = 32;
constexpr std::uint64_t kSlotMask = 0xFFFFFFFFu;

LOGFONTW SystemFont() {
  LOGFONTW font{};
  font.lfHeight = 16;
  font.lfWeight = FW_NORMAL;
  font.lfCharSet = DEFAULT_CHARSET;
  font.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
  std::wcscpy(font.lfFaceName, L"System");
  return font;
}

}  // namespace

ObjectTable::~ObjectTable() {
  // DCs first: they hold selections of the other objects.
  for (Slot& slot : slots_)
    if (slot.object && slot.object->Kind() == ObjectKind::DC) slot.object.reset();
}

const ObjectTable::Slot* ObjectTable::SlotOf(const void* handle) const {
  const auto id = static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(handle));
  const std::uint64_t index = (id & kSlotMask) - 1;
  if ((id & kSlotMask) == 0 || index >= slots_.size()) return nullptr;
  const Slot& slot = slots_[index];
  if (!slot.object || (id >> kGenerationShift) != slot.generation) return nullptr;
  return &slot;
}

void* ObjectTable::Add(std::unique_ptr<GdiObject> object) {
  std::uint32_t index;
  if (freeSlots_.empty()) {
    index = static_cast<std::uint32_t>(slots_.size());
    slots_.emplace_back();
  } else {
    index = freeSlots_.back();
    freeSlots_.pop_back();
  }
  Slot& slot = slots_[index];
  slot.object = std::move(object);
  const std::uint64_t id =
      (static_cast<std::uint64_t>(slot.generation) << kGenerationShift) | (index + 1u);
  return reinterpret_cast<void*>(static_cast<std::uintptr_t>(id));
}

GdiObject* ObjectTable::Find(const void* handle) const {
  const Slot* slot = SlotOf(handle);
  return slot ? slot->object.get() : nullptr;
}

bool ObjectTable::Remove(const void* handle) {
  const Slot* found = SlotOf(handle);
  if (!found) return false;
  Slot& slot = slots_[static_cast<std::size_t>(found - slots_.data())];
  slot.object.reset();
  ++slot.generation;
  freeSlots_.push_back(static_cast<std::uint32_t>(found - slots_.data()));
  return true;
}

void* ObjectTable::AddStock(std::unique_ptr<GdiObject> object) {
  object->MarkStock();
  return Add(std::move(object));
}

void ObjectTable::CreateStockObjects() {
  stockPen_ = AddStock(std::make_unique<Pen>(RGB(0, 0, 0)));
  stockFont_ = AddStock(std::make_unique<Font>(SystemFont()));
  stockBitmap_ = AddStock(std::make_unique<Bitmap>(BitmapFormat::Mono1, 1, 1));
}

}  // namespace gdi

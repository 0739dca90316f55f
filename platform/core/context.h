// The one platform context object: every piece of process-wide platform
// state (GDI object tables, font caches, windows, the message queue, the
// clock, the host) is a service owned here, created on first use and
// destroyed in reverse order of creation when the process ends.
#pragma once

#include <cstddef>
#include <memory>
#include <utility>
#include <vector>

namespace platform {

// Base of every service, so the context can own them without knowing them.
class Service {
 public:
  virtual ~Service() = default;
};

class Context {
 public:
  static Context& Get();

  // The service of type T, default-constructed on first use.
  template <class T>
  T& Use() {
    if (Service* existing = Find(SlotOf<T>())) return static_cast<T&>(*existing);
    auto created = std::make_unique<T>();
    T& ref = *created;
    Add(SlotOf<T>(), std::move(created));
    return ref;
  }

  // Installs a service built by the caller (a host, say), replacing none:
  // returns false if one of that type exists already.
  template <class T>
  bool Install(std::unique_ptr<T> service) {
    if (Find(SlotOf<T>())) return false;
    Add(SlotOf<T>(), std::move(service));
    return true;
  }

  template <class T>
  T* TryGet() {
    return static_cast<T*>(Find(SlotOf<T>()));
  }

  // Destroys every service, newest first. Tests use it to start afresh.
  void Reset();

  ~Context() { Reset(); }

 private:
  Context() = default;

  // Every service type gets a slot number of its own on its first lookup,
  // so finding a service is one index, however many there are: painting
  // looks several up for every object it touches.
  template <class T>
  static std::size_t SlotOf() {
    static const std::size_t slot = NewSlot();
    return slot;
  }
  static std::size_t NewSlot();

  Service* Find(std::size_t slot) const { return slot < bySlot_.size() ? bySlot_[slot] : nullptr; }
  void Add(std::size_t slot, std::unique_ptr<Service> service);

  std::vector<Service*> bySlot_;  // null where the type has no service
  std::vector<std::pair<std::size_t, std::unique_ptr<Service>>> created_;  // oldest first
};

}  // namespace platform

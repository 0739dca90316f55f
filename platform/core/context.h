// The one platform context object: every piece of process-wide platform
// state (GDI object tables, font caches, windows, the message queue, the
// clock, the host) is a service owned here, created on first use and
// destroyed in reverse order of creation when the process ends.
#pragma once

#include <memory>
#include <typeindex>
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
    if (Service* existing = Find(typeid(T))) return static_cast<T&>(*existing);
    auto created = std::make_unique<T>();
    T& ref = *created;
    Add(typeid(T), std::move(created));
    return ref;
  }

  // Installs a service built by the caller (a host, say), replacing none:
  // returns false if one of that type exists already.
  template <class T>
  bool Install(std::unique_ptr<T> service) {
    if (Find(typeid(T))) return false;
    Add(typeid(T), std::move(service));
    return true;
  }

  template <class T>
  T* TryGet() {
    return static_cast<T*>(Find(typeid(T)));
  }

  // Destroys every service, newest first. Tests use it to start afresh.
  void Reset();

  ~Context();

 private:
  Context() = default;
  Service* Find(std::type_index type) const;
  void Add(std::type_index type, std::unique_ptr<Service> service);

  std::vector<std::pair<std::type_index, std::unique_ptr<Service>>> services_;
};

}  // namespace platform

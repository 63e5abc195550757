// A non-owning view of "give me the address of picture row y", which is all
// the renderer needs of a surface. It keeps the engine free of the surface
// class and lets tests hand in any memory layout they like.
#pragma once

#include <concepts>
#include <cstdint>
#include <memory>
#include <type_traits>

namespace vandrel::engine {

class RowAccessor {
public:
    // Wraps a callable taking the row y (0 = top of the picture) and returning
    // its first byte. Only a named callable is accepted: the accessor keeps
    // its address, so the callable must outlive every use of the accessor.
    template <typename Callable>
    requires(
        !std::same_as<std::remove_cvref_t<Callable>, RowAccessor> &&
        std::is_invocable_r_v<std::uint8_t*, Callable&, int>) explicit RowAccessor(Callable& rowOf)
        : callable_(const_cast<void*>(static_cast<const void*>(std::addressof(rowOf)))),
          call_([](void* callable, int y) -> std::uint8_t* {
              return (*static_cast<Callable*>(callable))(y);
          }) {}

    std::uint8_t* operator()(int y) const { return call_(callable_, y); }

private:
    void* callable_;
    std::uint8_t* (*call_)(void* callable, int y);
};

}  // namespace vandrel::engine

#pragma once
#include <QObject>

#include <functional>
#include <type_traits>
#include <utility>

namespace platform {

// The one way in for the user's commands: menu entries, toolbar and palette
// tools, buttons and choices of the windows, outline lines, the activation
// of a window and the closing of the program. An edit still open in any
// grid is finished first, as Enter finishes it, so that the command finds
// what the user typed stored, in the unit shown, wherever the keyboard
// focus is while it runs (a shortcut or a tool leaves it in the editor).
void RunCommand(const std::function<void()>& command);

// Connects a signal to a command handler so that it runs through
// RunCommand. The handler takes the signal's arguments or none.
template <typename Sender, typename Signal, typename Handler>
QMetaObject::Connection ConnectCommand(Sender* sender, Signal signal, const QObject* context, Handler handler)
{
    return QObject::connect(sender, signal, context, [handler](const auto&... arguments) -> void {
        RunCommand([&] {
            if constexpr (std::is_invocable_v<const Handler&, decltype(arguments)...>)
                handler(arguments...);
            else
                handler();
        });
    });
}

} // namespace platform

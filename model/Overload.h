// SPDX-License-Identifier: GPL-3.0-or-later
// Lambdas joined into one visitor for std::visit, one per alternative.
#pragma once

namespace quirn {

template <class... Ts>
struct Overload : Ts... {
    using Ts::operator()...;
};
template <class... Ts>
Overload(Ts...) -> Overload<Ts...>;

}  // namespace quirn

#pragma once

#include <string>

// Why the tests cannot run on a native Wayland platform; empty when they can.
const std::string& WaylandError();

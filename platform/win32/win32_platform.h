// The real platform calls the tool runs on.
#pragma once
#include "platform/win32/win32_files.h"
#include "platform/win32/win32_processes.h"
#include "platform/win32/win32_registry.h"

struct Win32Platform {
  Win32Registry registry;
  Win32Files files;
  Win32Processes processes;
};

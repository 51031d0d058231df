#pragma once

namespace vexa::cli {

// Exit codes of the tool.
inline constexpr int kExitSuccess = 0;
inline constexpr int kExitRefused = 1;
inline constexpr int kExitFault = 2;
inline constexpr int kExitUnreadable = 3;

int AddressCommand(int argc, char** argv);
int CheckCommand(int argc, char** argv);
int SimulateCommand(int argc, char** argv);
int GenerateCommand(int argc, char** argv);
int BuildCommand(int argc, char** argv);

} // namespace vexa::cli

// The command-line host's commands. Each prints to standard output, reports failures on standard
// error in one line, and answers the process exit code.
#pragma once

#include <memory>
#include <string>
#include <vector>

class HostedPlugin;

using Arguments = std::vector<std::string>;

int infoCommand(const Arguments& arguments);
int programsCommand(const Arguments& arguments);
int renderCommand(const Arguments& arguments);
int generateCommand(const Arguments& arguments);
int showCommand(const Arguments& arguments);
int exportBankCommand(const Arguments& arguments);

// The plug-in binary a command works on: the one named, or the one built beside the host.
std::string pluginPath(const Arguments& arguments, std::size_t position);
// Loads it, or reports on standard error why that failed and answers null.
std::unique_ptr<HostedPlugin> openPlugin(const std::string& path, const char* command);

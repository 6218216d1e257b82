// Putting a hosted plug-in into the state a command asks for: a factory program, single
// parameters by name.
#pragma once

#include <string>

class HostedPlugin;
struct FactoryProgram;
struct FileRecord;

// which is a program number (0 to 32) or a factory program's name.
const FactoryProgram* findFactoryProgram(const std::string& which);

// Sets all twelve parameters as the record holds them.
void loadFileRecord(HostedPlugin& plugin, const FileRecord& record);
// Sets all twelve parameters as a fresh effect holds the factory program (spare slots at 0).
void loadFactoryProgram(HostedPlugin& plugin, const FactoryProgram& program);

// assignment is NAME=VALUE with a parameter name as the plug-in reports it and a normalised value.
bool setNamedParameter(HostedPlugin& plugin, const std::string& assignment, std::string& error);

// Which cmd.exe the test session runs: the stand-in that the session put in system32
// (the default), or Wine's built-in one for as long as this object lives.
#pragma once

class BuiltInInterpreter {
 public:
  BuiltInInterpreter();
  ~BuiltInInterpreter();
  BuiltInInterpreter(const BuiltInInterpreter&) = delete;
  BuiltInInterpreter& operator=(const BuiltInInterpreter&) = delete;
};

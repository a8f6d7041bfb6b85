INSTRUCTIONS:
INITIALIZE_UI
FIND_JVM 1 0
JMP0 @N1@ NO_JVM
LAUNCH @S2@ 0
GOTO DONE
:NO_JVM
// no JVM: the run ends with the -1 of a launch that cannot happen
ILAUNCH 99 0
:DONE
/:

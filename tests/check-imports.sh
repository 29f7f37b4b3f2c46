#!/usr/bin/env bash
# Proves that Windows XP can load the programs: only system DLLs of XP (and the receiver
# library) are imported, none of the functions that came with Vista or later, and the
# subsystem version is one XP accepts.
#   check-imports.sh OBJDUMP FILE...
set -u
objdump=$1; shift
status=0
allowed_dlls='^(kernel32|user32|gdi32|advapi32|shell32|ole32|oleaut32|comctl32|shlwapi|msvcrt|af15bdaex|version|winmm)\.dll$'
# Functions a runtime or a careless call pulls in that XP lacks.
newer='^(GetTickCount64|InitializeSRWLock|AcquireSRWLock.*|ReleaseSRWLock.*|TryAcquireSRWLock.*|InitializeConditionVariable|SleepConditionVariable.*|WakeConditionVariable|WakeAllConditionVariable|InitOnce.*|FlsAlloc|FlsFree|FlsGetValue|FlsSetValue|GetSystemTimePreciseAsFileTime|CreateEventExA|CreateEventExW|CreateMutexExA|CreateMutexExW|CreateSemaphoreExW|InitializeCriticalSectionEx|GetLocaleInfoEx|LCMapStringEx|CompareStringEx|GetUserDefaultLocaleName|CreateSymbolicLink.*|GetFinalPathNameByHandle.*|SetFileInformationByHandle|GetFileInformationByHandleEx|QueryFullProcessImageName.*|GetErrorMode|RegGetValueA|RegGetValueW|RegDeleteTree.*|RegSetKeyValue.*|ChangeWindowMessageFilter.*|SetProcessDPIAware|Wow64.*FsRedirection|GetLogicalProcessorInformation.*|CancelIoEx|CreateThreadpool.*|SetThreadpool.*|CloseThreadpool.*|GetCurrentProcessorNumber.*|SHGetKnownFolderPath|TaskDialog.*|RaiseFailFastException|AddDllDirectory|SetDefaultDllDirectories|GetSystemDefaultLocaleName|ResolveLocaleName|EnumSystemLocalesEx|GetDateFormatEx|GetTimeFormatEx)$'
for file in "$@"; do
  name=$(basename "$file")
  dump=$("$objdump" -p "$file") || { echo "$name: objdump failed"; status=1; continue; }
  dlls=$(printf '%s\n' "$dump" | awk '/DLL Name:/ {print tolower($3)}')
  [ -n "$dlls" ] || { echo "$name: no import table found"; status=1; }
  for dll in $dlls; do
    printf '%s\n' "$dll" | grep -Eq "$allowed_dlls" || { echo "$name: imports $dll, which XP does not ship"; status=1; }
  done
  # Function names follow the "Hint/Ord Member-Name" header of each DLL's block.
  funcs=$(printf '%s\n' "$dump" | awk '/Hint\/Ord/ {inblock=1; next} /^$/ {inblock=0} inblock && NF>=2 {print $NF}')
  for f in $funcs; do
    printf '%s\n' "$f" | grep -Eq "$newer" && { echo "$name: imports $f, which XP lacks"; status=1; }
  done
  major=$(printf '%s\n' "$dump" | awk '/MajorSubsystemVersion/ {print $2}')
  minor=$(printf '%s\n' "$dump" | awk '/MinorSubsystemVersion/ {print $2}')
  if [ -z "$major" ] || [ $((major * 100 + minor)) -gt 502 ]; then
    echo "$name: subsystem version $major.$minor is newer than XP"; status=1
  fi
  count=$(printf '%s\n' "$funcs" | grep -c .)
  echo "$name: $(echo $dlls | wc -w) DLLs, $count functions, subsystem $major.$minor"
done
exit $status

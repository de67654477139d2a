# After the hooks are stopped and the library is freed, nothing of it stays
# behind in the process: exceptions of several kinds are raised and handled
# by the program itself, and it keeps running.
source "$QUORVEL_E2E_LIB"; e2e_begin
DIR="$E2E_TMP/install"; e2e_install "$DIR"
out=$(e2e_run "$QUORVEL_BIN/unloadtest.exe" "$(e2e_winpath "$DIR")")
echo "$out" >&2
for want in "startHook=1" "stopHook=1" "unloaded" "c++ exception: caught" "debug string: done" \
            "raised exception: handled" "access violation: handled" "alive"; do
  echo "$out" | grep -qx "$want" || e2e_fail "unload: missing '$want'"
done
e2e_pass

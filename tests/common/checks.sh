# Shared by the test scripts: counted checks and their summary line.
passed=0
failed=0

# check WHAT COMMAND...: runs the command and counts it; false when it failed.
check() {
    local what=$1
    shift
    if "$@"; then
        passed=$((passed + 1))
        echo "ok     $what"
    else
        failed=$((failed + 1))
        echo "FAILED $what"
        return 1
    fi
}

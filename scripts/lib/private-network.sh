# Sourced by the scripts that start the program or a simulator: runs the
# calling script again inside a private network namespace whose only device
# is loopback, carrying the Wi-Fi camera's access-point address, multicast
# and broadcast. Nothing sent there reaches a real network.
#   source scripts/lib/private-network.sh; enter_private_network "$0" "$@"

enter_private_network() {
    local script=$1
    shift
    if [[ "${VESKAROO_PRIVATE_NETWORK:-}" != 1 ]]; then
        local flag=-rn
        [[ $(id -u) -eq 0 ]] && flag=-n
        export VESKAROO_PRIVATE_NETWORK=1
        exec unshare "$flag" -- "$script" "$@"
    fi
    # /proc/self/net tells this process's namespace; /sys may not.
    if [[ $(awk -F: 'NR>2 {gsub(/ /,"",$1); print $1}' /proc/self/net/dev) != lo ]]; then
        echo "not in a private network namespace" >&2
        exit 1
    fi
    ip link set lo up
    ip addr add 192.168.43.1/32 dev lo
    ip link set lo multicast on
    ip route add 224.0.0.0/4 dev lo
    ip route add broadcast 255.255.255.255 dev lo table local
}

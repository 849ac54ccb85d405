# Sourced: read_product sets title and version as core/Product.h writes them, the one place that does.
read_product() {
    product="$1/core/Product.h"
    version=$(sed -n 's/^inline constexpr int ProductVersion = \([0-9][0-9]*\);$/\1/p' "$product")
    title=$(sed -n 's/^inline constexpr char ProductTitle\[\] = "\(.*\)";$/\1/p' "$product")
    if [ -z "$version" ] || [ -z "$title" ]; then
        echo "$(basename "$0"): no ProductTitle or ProductVersion found in $product" >&2
        return 1
    fi
}

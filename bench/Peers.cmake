# Peers that individual benchmarks compare against, linked to that benchmark
# only.

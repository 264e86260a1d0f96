VERSION 7.1
data_partbuild: begin
data_partbuild: select_all
data_partbuild: create
data_partbuild: end

# fleetwick_stock_copies(TARGET): generates the stock copies of data/ into the build, byte for byte,
# and adds them to TARGET's sources. Included by the program's build and by the fuzz project.
set(FLEETWICK_STOCK_DIR ${CMAKE_CURRENT_LIST_DIR}/../data)
set(FLEETWICK_EMBED_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/EmbedFiles.cmake)

function(fleetwick_stock_copies target)
  set(out ${CMAKE_CURRENT_BINARY_DIR}/StockData.cpp)
  set(files ${FLEETWICK_STOCK_DIR}/handling.dat ${FLEETWICK_STOCK_DIR}/vehicles.ide ${FLEETWICK_STOCK_DIR}/carcols.dat)
  add_custom_command(OUTPUT ${out}
    COMMAND ${CMAKE_COMMAND} -DOUT=${out} "-DNAMES=handling;vehicles;carcols" "-DFILES=${files}"
            -P ${FLEETWICK_EMBED_SCRIPT}
    DEPENDS ${files} ${FLEETWICK_EMBED_SCRIPT}
    COMMENT "Embedding the stock copies of the data files"
    VERBATIM)
  target_sources(${target} PRIVATE ${out})
endfunction()
